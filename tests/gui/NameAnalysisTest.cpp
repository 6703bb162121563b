// Name analysis and the result lists under the offscreen platform, on the reference files the
// build wrote: the page report in RzMemo1, the analysis window opened from a list, keeping,
// emptying and copying entries, and saving reports as GB18030 text with CR LF.
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <csignal>
#include <functional>

#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "generation/NamingPage.h"
#include "numerology/NameAnalysisPage.h"
#include "numerology/TFrmNameMain.h"
#include "refdata/ReferenceDb.h"

namespace {

void SetBoxes(qinghe::BirthBoxes& b, const QString& year, const QString& month, const QString& day,
              const QString& hour, const QString& minute) {
    b.year->setEditText(year);
    b.month->setEditText(month);
    b.day->setEditText(day);
    b.hour->setCurrentIndex(b.hour->findText(hour));
    b.minute->setEditText(minute);
}

QListWidget* List(const TFrmIndex& w, const char* name) {
    return w.findChild<QListWidget*>(QString::fromLatin1(name));
}

// Runs `open`, which shows a modal window; `inspect` sees that window, which is then closed.
void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        seen = w != nullptr;
        if (w) {
            inspect(w);
            w->close();
        }
    });
    open();
    QVERIFY(seen);
}

// Accepts the next save dialog with `path`, recording the name it proposed.
void ChooseFile(const std::function<void()>& save, const QString& path, QString* proposed) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        seen = d != nullptr;
        if (!d) return;
        if (proposed) *proposed = d->selectedFiles().value(0);
        // What the user types into the name box (selectFile leaves a focused box alone).
        d->setDirectory(QFileInfo(path).absolutePath());
        d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(d, "accept");
    });
    save();
    QVERIFY(seen);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class NameAnalysisTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }
    void init() {
        m_shown.clear();
        qinghe::SetShowInfoHook([this](const QString& t) { m_shown << t; });
    }
    void cleanup() { qinghe::SetShowInfoHook({}); }

    void PageReportFillsRzMemo1AtTheTop() {
        TFrmIndex w;
        w.resize(900, 400);
        w.findChild<QLineEdit*>("Xing3")->setText(QStringLiteral("王"));
        w.findChild<QLineEdit*>("NameB3")->setText(QStringLiteral("小明"));
        SetBoxes(w.NameAnalysis()->Birth(), "1984", "6", "1", QStringLiteral("午 12"), "30");
        w.findChild<QPushButton*>("ButtonName")->click();
        QVERIFY(m_shown.isEmpty());
        auto* memo = w.findChild<QPlainTextEdit*>("RzMemo1");
        const QStringList lines = memo->toPlainText().split('\n');
        QCOMPARE(lines.size(), 55);
        QCOMPARE(lines[5], QStringLiteral("年龄：%1岁").arg(QDate::currentDate().year() - 1984));
        QCOMPARE(lines[15], QStringLiteral("拼音:王(wáng)  小(xiǎo)  明(míng)  "));
        QCOMPARE(lines[19], QStringLiteral("王小明  综合评分： 92分"));
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
        QVERIFY(memo->isReadOnly());

        // A refused input shows its message and leaves the report.
        const QString before = memo->toPlainText();
        w.findChild<QLineEdit*>("NameB3")->setText(QStringLiteral(" "));
        w.findChild<QPushButton*>("ButtonName")->click();
        QCOMPARE(m_shown, QStringList{QStringLiteral("名不能为空!")});
        QCOMPARE(memo->toPlainText(), before);
    }

    void KeepEmptyAndCopy() {
        TFrmIndex w;
        QListWidget* from = List(w, "ListBox1");
        QListWidget* kept = List(w, "ListBox2");
        w.findChild<QPushButton*>("RzBitBtn24")->click();  // empty source: nothing
        QCOMPARE(kept->count(), 0);
        from->addItems({QStringLiteral("张伟明(85分)"), QStringLiteral("张伟明(86分)")});
        w.findChild<QPushButton*>("RzBitBtn24")->click();  // nothing selected: nothing
        QCOMPARE(kept->count(), 0);
        from->setCurrentRow(0);
        w.findChild<QPushButton*>("RzBitBtn24")->click();
        w.findChild<QPushButton*>("RzBitBtn24")->click();
        QCOMPARE(kept->count(), 1);
        from->setCurrentRow(1);
        w.findChild<QPushButton*>("RzBitBtn24")->click();
        QCOMPARE(kept->count(), 2);
        QCOMPARE(kept->item(1)->text(), QStringLiteral("张伟明(86分)"));

        w.findChild<QPushButton*>("RzBitBtn29")->click();
        QCOMPARE(m_shown, QStringList{QStringLiteral("复制成功！")});
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("张伟明(85分)\r\n张伟明(86分)\r\n"));

        w.findChild<QPushButton*>("RzBitBtn30")->click();
        QCOMPARE(kept->count(), 0);
        m_shown.clear();
        w.findChild<QPushButton*>("RzBitBtn29")->click();
        QCOMPARE(m_shown, QStringList{QStringLiteral("复制成功！")});
        QCOMPARE(QApplication::clipboard()->text(), QString());

        // The poetry page's pair works alike.
        List(w, "ListBox3")->addItem(QStringLiteral("李白(90分)"));
        List(w, "ListBox3")->setCurrentRow(0);
        w.findChild<QPushButton*>("RzBitBtn36")->click();
        QCOMPARE(List(w, "ListBox4")->count(), 1);
        w.findChild<QPushButton*>("RzBitBtn35")->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("李白(90分)\r\n"));
        w.findChild<QPushButton*>("RzBitBtn38")->click();
        QCOMPARE(List(w, "ListBox4")->count(), 0);
    }

    void DoubleClickOpensTheAnalysisWindow() {
        TFrmIndex w;
        w.findChild<QLineEdit*>("Xing")->setText(QStringLiteral(" 王 "));
        SetBoxes(w.Naming()->Birth(), "1990", "1", "1", QStringLiteral("子 0"), "5");
        w.Naming()->Birth().calendar->setCurrentIndex(1);
        QListWidget* kept = List(w, "ListBox2");
        kept->addItem(QStringLiteral("王小明(92分)"));
        kept->setCurrentRow(0);
        QStringList memoLines;
        QString surname, given;
        WithModal([&] { emit kept->itemDoubleClicked(kept->item(0)); },
                  [&](QWidget* m) {
                      QCOMPARE(m->objectName(), QStringLiteral("TFrmNameMain"));
                      QCOMPARE(m->windowTitle(), QStringLiteral("姓名分析"));
                      surname = m->findChild<QLineEdit*>("NameA")->text();
                      given = m->findChild<QLineEdit*>("NameB")->text();
                      memoLines = m->findChild<QTextEdit*>("RzMemo1")->toPlainText().split('\n');
                  });
        QCOMPARE(surname, QStringLiteral("王"));
        QCOMPARE(given, QStringLiteral("小明"));
        QCOMPARE(memoLines.size(), 43);
        // Lunar 1990-1-1 is 1990-01-27 (Hong Kong Observatory calendar).
        QCOMPARE(memoLines[5], QStringLiteral("您出生公历: 1990年01月27日0点5分"));
        QCOMPARE(memoLines[9], QStringLiteral("综合评分: 92分"));
        QVERIFY(m_shown.isEmpty());
        // The window was destroyed on closing.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.findChild<TFrmNameMain*>() == nullptr);

        // A grid row holds the full name alone in column 1.
        auto* grid = w.findChild<QTableWidget*>("RzStringGrid1");
        if (grid->rowCount() < 1) grid->setRowCount(1);
        if (grid->columnCount() < 2) grid->setColumnCount(2);
        grid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("王大明")));
        grid->setCurrentCell(0, 1);
        WithModal([&] { w.Naming()->RzStringGrid1DblClick(); },
                  [&](QWidget* m) { given = m->findChild<QLineEdit*>("NameB")->text(); });
        QCOMPARE(given, QStringLiteral("大明"));

        // An entry without "(" gives an empty name: the window opens and asks for the given name.
        kept->addItem(QStringLiteral("王小明"));
        kept->setCurrentRow(1);
        WithModal([&] { emit kept->itemDoubleClicked(kept->item(1)); }, [](QWidget*) {});
        QCOMPARE(m_shown, QStringList());
    }

    void SavesGb18030WithCrLf() {
        QTemporaryDir dir;
        TFrmIndex w;
        w.findChild<QPushButton*>("BitBtnsave")->click();  // empty report: no dialog at all
        w.findChild<QLineEdit*>("Xing3")->setText(QStringLiteral("张"));
        w.findChild<QLineEdit*>("NameB3")->setText(QStringLiteral("三"));
        SetBoxes(w.NameAnalysis()->Birth(), "1984", "6", "1", QStringLiteral("午 12"), "0");
        w.findChild<QPushButton*>("ButtonName")->click();

        QString proposed;
        ChooseFile([&] { w.findChild<QPushButton*>("BitBtnsave")->click(); },
                   dir.filePath(QStringLiteral("张三")), &proposed);
        QVERIFY2(proposed.endsWith(QStringLiteral("张三")), qPrintable(proposed));
        const QByteArray bytes = ReadAll(dir.filePath(QStringLiteral("张三.txt")));
        QVERIFY(!bytes.isEmpty());
        QVERIFY(bytes.contains("\r\n"));
        QVERIFY(!bytes.contains("\r\n\n") && bytes.count('\n') == bytes.count("\r\n"));
        QVERIFY(bytes.contains("\xD5\xC5\xC8\xFD"));  // 张三 in GB18030
        QCOMPARE(bytes.count("\r\n"), 55);
        QCOMPARE(QString::fromUtf8(bytes).contains(QStringLiteral("张三")), false);

        ChooseFile([&] { w.findChild<QPushButton*>("BitBtnsave")->click(); },
                   dir.filePath(QStringLiteral("a.txt")), nullptr);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("a.txt"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("a.txt.txt"))));
        QVERIFY(m_shown.isEmpty());
    }

    // Without a given name the window does not analyse on showing; its own button does, and
    // its save writes the plain lines of its report.
    void WindowAnalysesSavesAndQuits() {
        QTemporaryDir dir;
        QStringList before, after;
        QByteArray saved;
        bool closedByQuit = false;
        QTimer::singleShot(0, [&] {
            auto* m = qobject_cast<TFrmNameMain*>(QApplication::activeModalWidget());
            QVERIFY(m != nullptr);
            auto* memo = m->findChild<QTextEdit*>("RzMemo1");
            before = memo->toPlainText().split('\n', Qt::SkipEmptyParts);
            m->findChild<QLineEdit*>("NameB")->setText(QStringLiteral("三"));
            m->findChild<QPushButton*>("RzButton1")->click();
            after = memo->toPlainText().split('\n');
            ChooseFile([&] { m->findChild<QPushButton*>("dxBarButton2")->click(); },
                       dir.filePath(QStringLiteral("张三")), nullptr);
            saved = ReadAll(dir.filePath(QStringLiteral("张三.txt")));
            m->findChild<QPushButton*>("dxBarButton5")->click();
            closedByQuit = !m->isVisible();
        });
        qinghe::OpenNameAnalysis(nullptr, QStringLiteral("张"), QStringLiteral("女"), "1984", "", 0,
                                 "00", QStringLiteral("午 12"), "1", "6");
        QVERIFY(before.isEmpty());
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(after.size(), 43);
        QCOMPARE(after[4],
                 QStringLiteral("张三,您今年:%1岁").arg(QDate::currentDate().year() - 1984));
        QCOMPARE(after[5], QStringLiteral("您出生公历: 1984年06月01日12点00分"));
        QCOMPARE(saved.count("\r\n"), 43);
        QVERIFY(saved.startsWith("<---"));
        QVERIFY(saved.contains("\xD5\xC5\xC8\xFD,"));  // 张三, in GB18030
        QVERIFY(closedByQuit);
    }

    // A write cut short (the file-size limit) says why and leaves the old file as it was.
    void FailedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        TFrmIndex w;
        w.findChild<QLineEdit*>("Xing2")->setText(QStringLiteral("张"));
        w.findChild<QLineEdit*>("NameB2")->setText(QStringLiteral("三"));
        w.findChild<QPlainTextEdit*>("Memo1")->setPlainText(QString(4000, QChar(0x5F20)));
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        ChooseFile([&] { w.findChild<QPushButton*>("RzBitBtn8")->click(); }, path, nullptr);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(m_shown.size(), 1);
        QVERIFY2(m_shown[0].contains(QStringLiteral("old.txt")), qPrintable(m_shown[0]));
        QCOMPARE(ReadAll(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    // A folder the user may not write to: the message names the file, the old file stays.
    void SaveIntoReadOnlyFolderSaysSo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("张三.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders (root)");
        }
        TFrmIndex w;
        w.findChild<QLineEdit*>("Xing2")->setText(QStringLiteral("张"));
        w.findChild<QLineEdit*>("NameB2")->setText(QStringLiteral("三"));
        w.findChild<QPlainTextEdit*>("Memo1")->setPlainText(QStringLiteral("报告"));
        ChooseFile([&] { w.findChild<QPushButton*>("RzBitBtn8")->click(); }, path, nullptr);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(m_shown.size(), 1);
        QVERIFY(m_shown[0].contains(QStringLiteral("张三.txt")));
        QCOMPARE(ReadAll(path), QByteArray("old"));
    }

  private:
    QStringList m_shown;
};

QTEST_MAIN(NameAnalysisTest)
#include "NameAnalysisTest.moc"
