// The knowledge page and the boy-or-girl table under the offscreen platform: each button
// shows its own article from table Noter, trimmed and once; without TalBirth.dll the memo
// stays empty; the table window shows the table cell for cell, in as many windows as opened.
#include <sqlite3.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/TFrmIndex.h"
#include "app/TFrm_NanNv.h"
#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

namespace {

// The table of the boy-or-girl window: mother's age 18 to 45, months 1 to 12.
const char* const kTable[28] = {
    "女男女男男男男男男男男男", "男女男女女男男男男男女女", "女男女男男男男男男女男男",
    "男女女女女女女女女女女女", "女男男女男女女男女女女女", "男男女男男女男女男男男女",
    "男女男男女男男女女女女女", "女男男女女男女男男男男男", "男女男女女男女男女女女女",
    "女男女男女女男男男男女男", "男女男女女女男男男男女女", "女男女女男男男男男男男女",
    "男女女女女女女女女女男男", "男女男女女女女女女女女男", "男女男女女女女女女女女男",
    "女男女男女女女男女女女男", "男女男女女女女女女女男男", "男男女男女女女男女女男男",
    "女男男女男女女女男男男男", "男女男男女男女男女男女男", "女男女男男女男女男女男女",
    "男女男男男女女男女男女女", "女男女男女男男女男女男女", "男女男女男女男男女男女男",
    "女男女男女男女男男女男女", "男女男女男女男女男男男男", "男男女男男男女男女男女女",
    "女男男女女女男女男女男男"};

QString Memo(QWidget& w) {
    return w.findChild<QPlainTextEdit*>("MemoBk")->toPlainText();
}

QString StoredArticle(const char* code) {
    qinghe::RefQuery q(qinghe::kTalBirth,
                       std::string("select content from Noter where Cid = '") + code + "'");
    return q.Eof() ? QString() : QString::fromStdString(q.AsText(0)).trimmed();
}

}  // namespace

class KnowledgeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }

    void TheIntroductionComesFirst() {
        TFrmIndex w;
        QVERIFY(Memo(w).startsWith(QStringLiteral("起名原理\n")));
        QVERIFY(Memo(w).size() >= 600);
    }

    void EachButtonShowsItsOwnArticleOnce() {
        TFrmIndex w;
        auto* page = w.findChild<QWidget*>("TabSheet9");
        QSet<QString> shown;
        for (QPushButton* b : page->findChildren<QPushButton*>()) {
            const QByteArray code = b->property("Cid").toString().toUtf8();
            const QString stored = StoredArticle(code.constData());
            QVERIFY2(stored.size() >= 600, code.constData());
            b->click();
            b->click();  // twice: the article once
            QCOMPARE(Memo(w), stored);
            QCOMPARE(w.findChild<QPlainTextEdit*>("MemoBk")->textCursor().position(), 0);
            shown.insert(Memo(w));
        }
        QCOMPARE(shown.size(), 17);  // every button its own article, 姓氏来源 too
        w.findChild<QPushButton*>("RzBitBtn23")->click();
        QVERIFY(Memo(w).contains(QStringLiteral("百家姓")));
    }

    // A fixture TalBirth.dll: an article with blank lines around it is shown trimmed; a code
    // without a row empties the memo; without the file the memo stays empty.
    void TrimmedMissingAndNoFile() {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/TalBirth.dll").toStdString();
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        QCOMPARE(
            sqlite3_exec(db,
                         (qinghe::SchemaSql(qinghe::kTalBirth) +
                          "insert into Noter values ('a1', 't', '\n\n  文章正文\n第二行\n\n ');")
                             .c_str(),
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(db);
        const std::string saved = qinghe::ProgramFolder();
        qinghe::SetProgramFolder(dir.path().toStdString() + "/");
        {
            TFrmIndex w;
            w.findChild<QPushButton*>("RzBitBtn6")->click();
            QCOMPARE(Memo(w), QStringLiteral("文章正文\n第二行"));
            w.findChild<QPushButton*>("RzBitBtn9")->click();  // a2 has no row
            QCOMPARE(Memo(w), QString());
            qinghe::CloseReferenceConnections();
            QVERIFY(QFile::remove(dir.filePath("TalBirth.dll")));
            w.findChild<QPushButton*>("RzBitBtn6")->click();
            QCOMPARE(Memo(w), QString());
        }
        qinghe::CloseReferenceConnections();
        qinghe::SetProgramFolder(saved);
    }

    void TheTableIsThePartsCellForCell() {
        const QStringList lines = BoyOrGirlTableText().split('\n');
        QCOMPARE(lines.size(), 29);
        QStringList header;
        for (int m = 1; m <= 12; ++m) header << QStringLiteral("%1月").arg(m);
        QCOMPARE(lines[0].split(' ', Qt::SkipEmptyParts), QStringList{"年龄"} + header);
        for (int age = 18; age <= 45; ++age) {
            QStringList expected{QString::number(age)};
            for (const QChar c : QString::fromUtf8(kTable[age - 18])) expected << QString(c);
            QCOMPARE(lines[age - 17].split(' ', Qt::SkipEmptyParts), expected);
        }
        // Columns line up: every line starts its cells at the same display columns.
        const auto starts = [](const QString& line) {
            QList<int> at;
            int column = 0;
            bool blank = true;
            for (const QChar c : line) {
                if (c != ' ' && blank) at << column;
                blank = c == ' ';
                column += qinghe::DisplayWidth(QString(c).toStdString());
            }
            return at;
        };
        for (const QString& line : lines) QCOMPARE(starts(line), starts(lines[0]));
    }

    void EachUseOpensOneMoreWindow() {
        TFrmIndex w;
        QAction* item = w.findChild<QAction*>("dxBarButton39");
        item->trigger();
        item->trigger();
        const QList<TFrm_NanNv*> windows = w.findChildren<TFrm_NanNv*>();
        QCOMPARE(windows.size(), 2);
        for (TFrm_NanNv* t : windows) {
            QCOMPARE(t->windowTitle(), QStringLiteral("生男生女"));
            QCOMPARE(t->findChild<QPlainTextEdit*>()->toPlainText(), BoyOrGirlTableText());
            QVERIFY(t->findChild<QLabel*>()->text().startsWith(QStringLiteral("说明：此表年龄")));
            t->close();
        }
    }
};

QTEST_MAIN(KnowledgeTest)
#include "KnowledgeTest.moc"
