// What the windows do when memory runs out during a listing or a search, and when something
// other than a file stands where the setting is written.

#include "app/main_window.h"
#include "data/read_failure.h"
#include "search/search_window.h"
#include "tests/gui/message_catcher.h"
#include "tests/gui/screen_checks.h"
#include "tests/support/reference_file_builder.h"
#include "widgets/qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <future>
#include <new>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// An allocation failure injected into the user-interface thread: once armed, the allocation that
// takes it past its budget of bytes throws std::bad_alloc, once, as when memory runs out.
std::atomic<std::size_t> budget{0};
std::atomic<bool> armed{false};
std::thread::id armedThread;

void* allocate(std::size_t size) {
    if (armed && std::this_thread::get_id() == armedThread) {
        if (size > budget) {
            armed = false;
            throw std::bad_alloc();
        }
        budget -= size;
    }
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

// Runs the action with a budget of a mebibyte: less than the lines of the test file take.
void withMemoryRunningOut(const std::function<void()>& action) {
    armedThread = std::this_thread::get_id();
    budget = std::size_t{1} << 20U;
    armed = true;
    action();
    armed = false;
}

} // namespace

// The other forms of new and delete call these two, or come with the sanitizer's own pair.
void* operator new(std::size_t size) {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

using orvel::testing::control;
using orvel::testing::linesShown;

namespace {

// What a window shows: its list's lines, then the texts of the named controls.
QStringList shown(QWidget& window, const char* list, std::initializer_list<const char*> names) {
    QStringList texts = linesShown(*control<QAbstractItemView>(window, list));
    for (const char* name : names) {
        texts << orvel::testing::textShown(*control<QWidget>(window, name));
    }
    return texts;
}

// Waits for the action up to a few seconds; if it is still waiting on the named pipe by then,
// opens the pipe's other end to let it go on, and says so.
bool heldByPipe(const QString& pipe, const std::function<void()>& action) {
    std::promise<void> finished;
    auto watchdog = std::async(std::launch::async, [&pipe, done = finished.get_future()] {
        if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
            return false;
        }
        ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
        return true;
    });
    action();
    finished.set_value();
    return watchdog.get();
}

} // namespace

class HostileEnvironmentTest : public QObject {
    Q_OBJECT

    orvel::testing::TemporaryProgramDirectory program_;
    QTemporaryDir config_;

    // The message that a file too large for the memory shows.
    QString tooLargeMessage() const {
        return orvel::fromUtf8(
            orvel::failureMessage({orvel::ReadFailure::Kind::TooLarge, program_.referenceFile()}));
    }

private slots:
    void initTestCase() {
        // Twenty thousand records: their lines take more than the budget.
        program_.writeLines(std::vector<std::string>(20000, orvel::testing::recordLine({})));
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    }

    void listingThatRunsOutOfMemoryKeepsTheWindow() {
        orvel::Main window(program_.directory());
        window.show();
        control<QLineEdit>(window, "Dpart")->setText(QStringLiteral("00"));
        control<QPushButton>(window, "Aff_Commune")->click();
        const QStringList before = shown(window, "List1", {"Label2", "Label6", "Frame2"});
        QCOMPARE(before.size(), 20000 + 3);

        orvel::testing::MessageCatcher catcher;
        withMemoryRunningOut([&] { control<QPushButton>(window, "Aff_Reference")->click(); });
        QCOMPARE(catcher.texts(), QStringList{tooLargeMessage()});
        QCOMPARE(shown(window, "List1", {"Label2", "Label6", "Frame2"}), before);
    }

    void searchThatRunsOutOfMemoryKeepsTheWindow() {
        orvel::Rechercher window(program_.referenceFile());
        QVERIFY(orvel::testing::showActive(window));
        orvel::testing::MessageCatcher catcher;
        QLineEdit* box = control<QLineEdit>(window, "Commune");
        QTest::keyClicks(box, QStringLiteral("brest"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(linesShown(*control<QAbstractItemView>(window, "Liste_Ref")).size(), 20000);
        QTest::keyClicks(box, QStringLiteral("bre"));
        const QStringList before = shown(window, "Liste_Ref", {"Commune"});

        withMemoryRunningOut([&] { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(catcher.texts(), QStringList{tooLargeMessage()});
        QCOMPARE(shown(window, "Liste_Ref", {"Commune"}), before);
    }

    // The setting goes into an absent or regular file; anything else is left alone at once.
    void settingIsWrittenOnlyIntoAFile() {
        const QString file = config_.path() + QStringLiteral("/Reference/Reference.conf");
        QVERIFY(QDir().mkpath(config_.path() + QStringLiteral("/Reference")));
        QFile::remove(file); // written by the windows of the tests before
        const QString directory = QDir::cleanPath(QString::fromStdString(program_.directory()));
        struct Case {
            const char* name;
            std::function<bool()> make;
            bool written;
        };
        const Case cases[] = {
            {"named pipe", [&] { return ::mkfifo(QFile::encodeName(file), 0600) == 0; }, false},
            {"directory", [&] { return QDir().mkdir(file); }, false},
            {"no file", [] { return true; }, true},
            {"regular file",
             [&] {
                 QFile out(file);
                 return out.open(QIODevice::WriteOnly) && out.write("[Autre]\nclef=1\n") > 0;
             },
             true},
        };
        for (const Case& c : cases) {
            QVERIFY2(c.make(), c.name);
            std::unique_ptr<orvel::Main> window;
            QVERIFY2(
                !heldByPipe(file,
                            [&] { window = std::make_unique<orvel::Main>(program_.directory()); }),
                c.name);
            QCOMPARE(QFileInfo(file).isFile(), c.written);
            if (c.written) {
                QCOMPARE(QSettings(file, QSettings::IniFormat)
                             .value(QStringLiteral("Setup /Chemin Repertoire"))
                             .toString(),
                         directory);
            }
            window.reset();
            QDir(file).removeRecursively();
            QFile::remove(file);
        }
    }
};

QTEST_MAIN(HostileEnvironmentTest)
#include "hostile_environment_test.moc"
