#include "files/AtomicWrite.h"

#include <QFileInfo>
#include <QSaveFile>

bool writeWholeDevice(QIODevice& device, const std::string& bytes) {
    return device.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
}

bool writeFileAtomically(const QString& path, const std::string& bytes, const DeviceWrite& write) {
    // A folder cannot be replaced by a file; the rename would fail anyway, later.
    if (QFileInfo(path).isDir())
        return false;
    QSaveFile file(path);
    // Writing in place when the folder takes no new file would put the old file at risk.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The file keeps what it is given in a buffer, so a disk that fills shows only when the
    // buffer goes out. Unchecked, that happens inside commit(), which does not see it and
    // puts the cut file in place of the old one.
    if (!write(file, bytes) || !file.flush()) {
        file.cancelWriting(); // the new file is removed, the old one untouched
        return false;
    }
    return file.commit();
}
