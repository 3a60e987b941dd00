// Save, Save As, Export To ASCII and the graph's exports against a file system that refuses
// the write: whatever the fault, a file already at the target stays whole, no scrap of the
// new one is left beside it, the user is told, and the document keeps its name and its
// unsaved changes.

#include "MainFormFixture.h"

#include "files/DocumentFile.h"
#include "files/FileMessages.h"
#include "files/TextExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <optional>
#include <vector>

namespace {

enum class Command { Save, SaveAs, Export, ImageExport };

struct Commanded {
    Command command;
    const char* name;
    const char* extension;
    const char* action; // the one triggered after the file dialog, for all but Save
};

const Commanded DOCUMENT_COMMANDS[] = {
    {Command::Save, "Save", ".dat", "FileSave"},
    {Command::SaveAs, "Save As", ".dat", "FileSaveAs1"},
    {Command::Export, "Export To ASCII", ".txt", "FileASCIIExport"},
};

const Commanded IMAGE_EXPORTS[] = {
    {Command::ImageExport, "Export To Bitmap Image", ".bmp", "FileExportGraphBitmap"},
    {Command::ImageExport, "Export To Jpeg Image", ".jpg", "FileExportGraphJpeg"},
    {Command::ImageExport, "Export To PNG Image", ".png", "FileExportGraphPng"},
    {Command::ImageExport, "Export To SVG Image", ".svg", "FileExportGraphSvg"},
    {Command::ImageExport, "Export To PDF", ".pdf", "FileExportGraphPdf"},
};

std::vector<Commanded> allCommands() {
    std::vector<Commanded> all(std::begin(DOCUMENT_COMMANDS), std::end(DOCUMENT_COMMANDS));
    all.insert(all.end(), std::begin(IMAGE_EXPORTS), std::end(IMAGE_EXPORTS));
    return all;
}

// Files larger than `bytes` cannot be written while it lives: the disk is full after that
// many bytes, for this process only. The signal the kernel sends for it is ignored, so the
// write fails as it does on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

std::optional<QByteArray> contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

class FileFaultsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        changeDocument([](Document& d) {
            for (int row = 1; row <= 3; ++row) {
                d.table.setCellText(1, row, std::to_string(row));
                d.table.setCellText(2, row, std::to_string(row * 1.5));
            }
            d.graphTitle = "Pendulum";
            d.currentFileName = "lab.dat";
            d.modified = true;
        });
    }

    QString inDir(const QString& name) const { return dir.filePath(name); }

    // An old file where the command writes.
    static void putOldFile(const QString& path) {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly)) << path.toStdString();
        old.write("old contents");
    }

    // The graph exported where nothing stands in the way.
    QByteArray imageExportedFreely(const Commanded& c) {
        const QString path = inDir(QStringLiteral("free") + c.extension);
        run(c, path);
        EXPECT_TRUE(ui.messages.empty()) << c.name;
        return contents(path).value_or(QByteArray());
    }

    // The command wrote all of the document, its table or its graph, and said nothing.
    void expectWrittenWhole(const Commanded& c, const QString& target) {
        EXPECT_TRUE(ui.messages.empty()) << c.name;
        const Document& d = form->document();
        switch (c.command) {
        case Command::Export:
            EXPECT_EQ(contents(target), QByteArray::fromStdString(exportText(d.table))) << c.name;
            break;
        case Command::ImageExport: {
            const QByteArray written = contents(target).value_or(QByteArray());
            const QByteArray free = imageExportedFreely(c);
            // A PDF carries the second it was made in; only its length is sure to repeat.
            if (QByteArray(c.extension) == ".pdf")
                EXPECT_TRUE(written.size() == free.size() && written.endsWith("%%EOF\n"))
                    << c.name;
            else
                EXPECT_EQ(written, free) << c.name;
            break;
        }
        case Command::Save:
        case Command::SaveAs:
            EXPECT_EQ(documentFrom(readDocumentFile(target.toStdString()), d), d) << c.name;
            break;
        }
    }

    void run(const Commanded& c, const QString& target) {
        if (c.command == Command::Save)
            changeDocument([&](Document& d) { d.currentFileName = target.toStdString(); });
        else
            ui.fileNames = {target};
        action(c.action)->trigger();
    }

    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Where the target is: a folder of the test's own, one that goes away after the dialog
    // (nothing may be there afterwards), or one of the system's that is not watched.
    enum class Folder { Own, Removed, System };

    // What a refused write must leave as it was.
    struct Before {
        Document document;
        std::optional<QStringList> entries; // of the target's folder
        std::optional<QByteArray> oldFile;  // at the target
    };
    Before before(const QString& target, Folder folder = Folder::Own) const {
        switch (folder) {
        case Folder::Own:
            return {form->document(), entries(QFileInfo(target).absolutePath()), contents(target)};
        case Folder::Removed:
            return {form->document(), QStringList(), std::nullopt};
        case Folder::System:
            break;
        }
        return {form->document(), std::nullopt, std::nullopt};
    }

    void expectNothingLost(const Commanded& c, const QString& target, const Before& was,
                           const std::string& what) {
        Document expected = was.document;
        if (c.command == Command::Save)
            expected.currentFileName = target.toStdString();
        const std::string context = std::string(c.name) + ", " + what;
        ASSERT_EQ(ui.messages.size(), 1u) << context;
        EXPECT_EQ(ui.messages[0].text.toStdString(), cannotCreateFile(target.toStdString()))
            << context;
        EXPECT_EQ(form->document(), expected) << context;
        EXPECT_EQ(contents(target), was.oldFile) << context;
        if (was.entries) {
            EXPECT_EQ(entries(QFileInfo(target).absolutePath()), *was.entries) << context;
        }
    }

    // Runs the command against a target it cannot write and checks that nothing was lost.
    void expectRefused(const Commanded& c, const QString& target, const std::string& what,
                       Folder folder = Folder::Own) {
        const Before was = before(target, folder);
        ui.messages.clear();
        run(c, target);
        expectNothingLost(c, target, was, what);
    }

    QTemporaryDir dir;
};

TEST_F(FileFaultsTest, AMissingFolderOrATargetThatIsAFolder) {
    for (const Commanded& c : allCommands()) {
        QDir(dir.path()).mkdir(QStringLiteral("folder") + c.extension);
        expectRefused(c, inDir(QStringLiteral("absent/lab") + c.extension), "missing folder");
        expectRefused(c, inDir(QStringLiteral("folder") + c.extension), "target is a folder");
    }
}

// Permissions do not stop root, so there the folder is one of the kernel's, which takes no
// file from anyone; it holds no old file to keep.
TEST_F(FileFaultsTest, AReadOnlyFolder) {
    const bool root = geteuid() == 0;
    const QString folder = root ? QStringLiteral("/proc") : inDir("locked");
    for (const Commanded& c : allCommands()) {
        const QString target = folder + "/kelvane-lab" + c.extension;
        if (!root) {
            QDir(dir.path()).mkdir("locked");
            putOldFile(target);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        expectRefused(c, target, "read-only folder", root ? Folder::System : Folder::Own);
        if (!root)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// The disk fills after every possible number of bytes of the file, until there is room for
// all of it.
TEST_F(FileFaultsTest, ADiskThatFillsPartWay) {
    for (const Commanded& c : DOCUMENT_COMMANDS) {
        const QString target = inDir(QStringLiteral("lab") + c.extension);
        putOldFile(target);
        std::size_t n = 0;
        for (;; ++n) {
            ASSERT_LT(n, 1u << 16) << c.name << " never finished";
            const Before was = before(target);
            ui.messages.clear();
            {
                const FileSizeLimit full(n);
                run(c, target);
            }
            if (ui.messages.empty())
                break;
            expectNothingLost(c, target, was, "disk full after " + std::to_string(n) + " bytes");
        }
        expectWrittenWhole(c, target);
        EXPECT_EQ(contents(target)->size(), qsizetype(n)) << c.name << ": the first size that fits";
        changeDocument([](Document& d) { d.modified = true; });
    }
}

// A picture runs to tens of kilobytes, each drawn anew, so the disk fills after every byte of
// its start, then after a spread of sizes up to one byte short of all of it.
TEST_F(FileFaultsTest, AnImageExportOnADiskThatFillsPartWay) {
    for (const Commanded& c : IMAGE_EXPORTS) {
        const QString target = inDir(QStringLiteral("graph") + c.extension);
        putOldFile(target);
        const qsizetype size = imageExportedFreely(c).size();
        ASSERT_GT(size, 64) << c.name;
        std::vector<qsizetype> fills;
        for (qsizetype n = 0; n < 64; ++n)
            fills.push_back(n);
        for (qsizetype part = 1; part < 32; ++part)
            fills.push_back(size * part / 32);
        fills.push_back(size - 1);
        for (const qsizetype n : fills) {
            const Before was = before(target);
            ui.messages.clear();
            {
                const FileSizeLimit full(static_cast<rlim_t>(n));
                run(c, target);
            }
            expectNothingLost(c, target, was, "disk full after " + std::to_string(n) + " bytes");
        }
        ui.messages.clear();
        {
            const FileSizeLimit full(static_cast<rlim_t>(size));
            run(c, target);
        }
        expectWrittenWhole(c, target);
    }
}

// What the dialog chose is gone by the time of the write: a file removed is simply written
// anew, a folder removed is a target that cannot be written.
TEST_F(FileFaultsTest, ATargetRemovedAfterTheDialog) {
    for (const Commanded& c : allCommands()) {
        ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
        const QString target = inDir(QStringLiteral("gone/lab") + c.extension);
        putOldFile(target);
        ui.onFileDialog = [&] { QDir(inDir("gone")).removeRecursively(); };
        if (c.command == Command::Save)
            QDir(inDir("gone")).removeRecursively();
        expectRefused(c, target, "folder removed", Folder::Removed);

        ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
        putOldFile(target);
        ui.onFileDialog = [&] { QFile::remove(target); };
        if (c.command == Command::Save)
            QFile::remove(target);
        ui.messages.clear();
        run(c, target);
        expectWrittenWhole(c, target);
        ui.onFileDialog = nullptr;
        QDir(inDir("gone")).removeRecursively();
        changeDocument([](Document& d) { d.modified = true; });
    }
}

} // namespace
