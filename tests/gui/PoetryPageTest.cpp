// The poetry page under the offscreen platform, on the reference files the build wrote: the
// tree and its search, titles and texts, the selection, and names from the selected text as
// qinghe-cli prints them, each with the lines it comes from.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "CliLines.h"
#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "refdata/ReferenceDb.h"

class PoetryPageTest : public QObject {
    Q_OBJECT
    static QTreeWidgetItem* Node(QTreeWidget* tree, const QString& text) {
        const QList<QTreeWidgetItem*> found =
            tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    static void Click(QTreeWidget* tree, QTreeWidgetItem* item) {
        tree->setCurrentItem(item);
        emit tree->itemClicked(item, 0);
    }
    static QStringList Entries(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    // The page opened from the toolbar, the whole tree loaded.
    void Open(TFrmIndex& w) {
        w.show();
        w.findChild<QToolButton*>("RzToolButton10")->click();
        m_tree = w.findChild<QTreeWidget*>("TreeViewInit");
        m_titles = w.findChild<QTreeWidget*>("RzTreeView1");
        m_poem = w.findChild<QPlainTextEdit*>("MemoSgnr");
        m_chosen = w.findChild<QPlainTextEdit*>("MemoYixuan");
        m_search = w.findChild<QLineEdit*>("EditTiaojian");
    }
    // Chooses a poem by author and title and adds it to the selection.
    void Choose(TFrmIndex& w, const QString& author, const QString& title) {
        Click(m_tree, Node(m_tree, author));
        Click(m_titles, Node(m_titles, title));
        w.findChild<QPushButton*>("RzBitBtn40")->click();
    }

  private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }
    void init() {
        m_shown.clear();
        qinghe::SetShowInfoHook([this](const QString& t) { m_shown << t; });
    }
    void cleanup() { qinghe::SetShowInfoHook({}); }

    void TheTreeHoldsTheDynastiesInOrder() {
        TFrmIndex w;
        Open(w);
        QStringList dynasties;
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
            dynasties << m_tree->topLevelItem(i)->text(0);
        QCOMPARE(dynasties.join(' '), QStringLiteral("先秦 战国 汉 唐 五代 宋 明 清 未详"));
        // A dynasty lists no titles: it asks for author 0.
        Click(m_tree, m_tree->topLevelItem(3));
        QCOMPARE(m_titles->topLevelItemCount(), 0);
        Click(m_tree, Node(m_tree, QStringLiteral("李白")));
        QVERIFY(m_titles->topLevelItemCount() > 20);
        Click(m_titles, Node(m_titles, QStringLiteral("静夜思")));
        QCOMPARE(m_poem->toPlainText(),
                 QStringLiteral("床前明月光，疑是地上霜，\n举头望明月，低头思故乡。"));
    }

    void SearchNarrowsTreeAndTitles() {
        TFrmIndex w;
        Open(w);
        m_search->setText(QStringLiteral("明月光"));
        w.findChild<QPushButton*>("RzBitBtn41")->click();
        QCOMPARE(m_tree->topLevelItemCount(), 1);
        Click(m_tree, Node(m_tree, QStringLiteral("李白")));
        QCOMPARE(m_titles->topLevelItemCount(), 1);
        w.findChild<QPushButton*>("RzBitBtn42")->click();  // 显示所有
        QVERIFY(m_search->text().isEmpty());
        QCOMPARE(m_tree->topLevelItemCount(), 9);
        // A quote, % or _ in the search text matches itself: no poem holds them.
        for (const QString& t :
             {QStringLiteral("李白's"), QStringLiteral("50%"), QStringLiteral("_")}) {
            m_search->setText(t);
            w.findChild<QPushButton*>("RzBitBtn41")->click();
            QCOMPARE(m_tree->topLevelItemCount(), 0);
        }
    }

    void NamesComeFromTheSelectedText() {
        TFrmIndex w;
        Open(w);
        Choose(w, QStringLiteral("李白"), QStringLiteral("静夜思"));
        Choose(w, QStringLiteral("孟浩然"), QStringLiteral("春晓"));
        QVERIFY(m_chosen->toPlainText().contains(QStringLiteral("低头思故乡。\n\n春眠不觉晓")));
        w.findChild<QLineEdit*>("Xing5")->setText(QStringLiteral("李"));
        w.findChild<QComboBox*>("CBsex5")->setCurrentIndex(1);
        w.findChild<QPushButton*>("RzBitBtn33")->click();
        QVERIFY(m_shown.isEmpty());
        auto* names = w.findChild<QListWidget*>("ListBox3");
        QTemporaryFile poem;
        QVERIFY(poem.open());
        poem.write(m_chosen->toPlainText().toUtf8());
        poem.close();
        const QStringList expected =
            CliLines({"generate", QStringLiteral("李"), "--sex", QStringLiteral("女"), "--mode",
                      "poetry", "--poem-file", poem.fileName()});
        QVERIFY(!expected.isEmpty());
        QCOMPARE(Entries(names), expected);
        // Each name tells which lines its characters come from.
        const QString tip = names->item(0)->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("「")) && tip.contains(QStringLiteral("」")),
                 qPrintable(tip));
    }

    void MissingInputAndNoNameSaySo() {
        TFrmIndex w;
        Open(w);
        auto* generate = w.findChild<QPushButton*>("RzBitBtn33");
        generate->click();
        QCOMPARE(m_shown, QStringList{QStringLiteral("姓不能为空!")});
        w.findChild<QLineEdit*>("Xing5")->setText(QStringLiteral("李"));
        generate->click();
        QCOMPARE(m_shown.last(), QStringLiteral("没有选择诗词，请查看已选诗词!"));
        m_chosen->setPlainText(QStringLiteral("一"));
        generate->click();
        QCOMPARE(
            m_shown.last(),
            QStringLiteral("提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！"));
        QCOMPARE(w.findChild<QListWidget*>("ListBox3")->count(), 0);
    }

    void OneCharacterNamesUseOnlyTheTextsCharacters() {
        TFrmIndex w;
        Open(w);
        m_chosen->setPlainText(QStringLiteral("明月松间照，清泉石上流。星辰映远山，云起见晨曦。"));
        w.findChild<QLineEdit*>("Xing5")->setText(QStringLiteral("王"));
        w.findChild<QComboBox*>("CBXingshi5")->setCurrentIndex(1);
        w.findChild<QPushButton*>("RzBitBtn33")->click();
        const QStringList names = Entries(w.findChild<QListWidget*>("ListBox3"));
        QVERIFY(!names.isEmpty());
        for (const QString& n : names) {
            QCOMPARE(n.size(), QStringLiteral("王白(90分)").size());
            QVERIFY2(m_chosen->toPlainText().contains(n.mid(1, 1)), qPrintable(n));
        }
    }

  private:
    QStringList m_shown;
    QTreeWidget* m_tree = nullptr;
    QTreeWidget* m_titles = nullptr;
    QPlainTextEdit* m_poem = nullptr;
    QPlainTextEdit* m_chosen = nullptr;
    QLineEdit* m_search = nullptr;
};

QTEST_MAIN(PoetryPageTest)
#include "PoetryPageTest.moc"
