#include "app/AppIcons.h"

#include <QString>

// The icons are compiled into the static shell library, whose resource initialiser the
// linker would drop; registering them on first use keeps them. (Outside any namespace, as
// the registration macro requires.)
static void registerIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(kelvane_icons);
        return true;
    }();
    (void)registered;
}

namespace {

QString bundledIconPath(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

} // namespace

QIcon themedIcon(const char* name) {
    registerIconResources();
    return QIcon::fromTheme(QLatin1String(name), QIcon(bundledIconPath(name)));
}

QIcon programIcon() {
    registerIconResources();
    return QIcon(bundledIconPath("kelvane"));
}
