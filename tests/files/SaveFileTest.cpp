#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "files/SaveFileDialog.h"
#include "files/ScriptedSaveFileDialog.h"
#include "files/WholeFile.h"
#include "tests/support/FileSizeLimit.h"

namespace {

const QStringList kFilters = {QStringLiteral("Text files (*.txt)"),
                              QStringLiteral("CSV files (*.csv)")};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class SaveFileTest : public QObject {
    Q_OBJECT

private slots:
    // The script stands in for the platform's dialog in the page tests: typed the same way, both
    // give the same file.
    void theScriptAnswersAsThePlatformDialogDoes() {
        QTemporaryDir dir;
        QtSaveFileDialog real;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            const auto close = qScopeGuard([dialog] {
                if (dialog->isVisible())
                    dialog->reject();
            });
            QCOMPARE(dialog->nameFilters(), kFilters);
            QCOMPARE(dialog->selectedNameFilter(), kFilters[1]);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name != nullptr);
            QCOMPARE(name->text(), QStringLiteral("suggested.csv"));
            name->setText(QStringLiteral("list"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const auto chosen =
            real.chooseFile("Save", dir.filePath("suggested.csv"), kFilters, kFilters[1]);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->path, dir.filePath("list.csv"));
        QCOMPARE(chosen->filter, kFilters[1]);

        ScriptedSaveFileDialog scripted;
        scripted.typeFile(dir.filePath("list"));
        const auto answered =
            scripted.chooseFile("Save", dir.filePath("suggested.csv"), kFilters, kFilters[1]);
        QVERIFY(answered.has_value());
        QCOMPARE(answered->path, chosen->path);
        QCOMPARE(answered->filter, chosen->filter);

        scripted.typeFile(QStringLiteral("relative.txt"));
        QVERIFY(!scripted.chooseFile("Save", {}, kFilters, kFilters[0]));
        scripted.typeFile(dir.filePath("x.pdf"), QStringLiteral("PDF files (*.pdf)"));
        QVERIFY(!scripted.chooseFile("Save", {}, kFilters, kFilters[0]));
        QCOMPARE(scripted.failures().size(), 2);
    }

    void aFileIsReplacedWholeOrLeftAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QCOMPARE(writeWholeFile(path, "first version\n"), QString());
        QCOMPARE(writeWholeFile(path, "second\n"), QString());
        QCOMPARE(contentOf(path), QByteArray("second\n"));

        QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
        QVERIFY(!writeWholeFile(dir.filePath("folder.txt"), "lost\n").isEmpty());
        QVERIFY(!writeWholeFile(dir.filePath("no/such/list.txt"), "lost\n").isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"folder.txt", "list.txt"}));
    }

    // A disk that takes no more, over an existing file and for a new one: a short list that Qt
    // would hold back until the commit, and a long one written at once.
    void aFileTheDiskRefusesLeavesTheOldOneAndSaysWhy() {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QCOMPARE(writeWholeFile(path, "old list\n"), QString());
        for (const qsizetype size : {100, 1000000}) {
            QString old, fresh;
            {
                const FileSizeLimit full(50);
                old = writeWholeFile(path, QByteArray(size, 'x'));
                fresh = writeWholeFile(dir.filePath("new.txt"), QByteArray(size, 'x'));
            }
            QCOMPARE(old, QStringLiteral("File too large"));
            QCOMPARE(fresh, QStringLiteral("File too large"));
            QCOMPARE(contentOf(path), QByteArray("old list\n"));
            QCOMPARE(
                QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList{"list.txt"});
        }
    }
};

QTEST_MAIN(SaveFileTest)
#include "SaveFileTest.moc"
