// Screenshots of the main window's six pages and of the secondary windows, for looking
// at layout, clipping and glyph coverage: qinghe-screenshots OUTDIR. Run it under Xvfb
// (scripts/screenshots.sh) at 1× and with QT_SCALE_FACTOR=2.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdio>

#include "app/ProgramStart.h"
#include "app/TFrmIndex.h"
#include "app/TFrm_NanNv.h"
#include "calendar/TFRM_Date.h"
#include "calendar/TFormHuangdao.h"
#include "generation/NamingPage.h"
#include "numerology/TFrmNameMain.h"

namespace {

bool Save(QWidget* w, const QString& file) {
    QTest::qWait(50);
    const bool ok = w->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

// Text of the kind the displays will hold, to judge glyphs and the report columns: each
// column of the table below starts at the same place only if a Chinese character is
// exactly two ASCII widths.
void FillWithSamples(QWidget& window) {
    const QString table = QStringLiteral(
        "<=======================================>\n"
        "        年柱   月柱   日柱   时柱\n"
        "乾造：  甲子   丙寅   戊辰   庚申\n"
        "十神：  七杀   偏印   日主   食神\n"
        "纳音：  海中金 炉中火 大林木 石榴木\n"
        "abcdefghijklmnopqrstuvwxyz0123456789\n"
        "一二三四五六七八九十一二三四五六七八");
    for (const char* name : {"Memo1", "RzMemo1"})
        window.findChild<QPlainTextEdit*>(name)->setPlainText(table);
    window.findChild<QTextEdit*>("MemoSuccess")
        ->setPlainText(QStringLiteral("张嘉禾(85分)  张子墨(88分)  张一诺(90分)  张书瑶(86分)  "
                                      "张沐阳(87分)  张若汐(89分)"));
    for (const char* name : {"ListBox1", "ListBox3"})
        window.findChild<QListWidget*>(name)->addItems(
            {QStringLiteral("张嘉禾(85分)"), QStringLiteral("张子墨(88分)")});
    window.findChild<QPlainTextEdit*>("MemoSgnr")
        ->setPlainText(QStringLiteral("床前明月光，疑是地上霜。\n举头望明月，低头思故乡。"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qinghe::SetUpApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: qinghe-screenshots OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    const QString scale = QString::number(qApp->devicePixelRatio()) + "x";

    TFrmIndex::SetProcessEndHook([] {});
    TFrmIndex window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    FillWithSamples(window);
    auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("RzPageControl1"));
    bool ok = true;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        ok &= Save(&window,
                   QStringLiteral("%1/%2-%3.png").arg(dir, pages->widget(i)->objectName(), scale));
    }
    // The naming page in list mode, with a real run's first page.
    pages->setCurrentIndex(0);
    window.findChild<QLineEdit*>("Xing")->setText(QStringLiteral("欧阳"));
    window.Naming()->XingExit();
    window.findChild<QRadioButton*>("RzRadioButton7")->click();
    window.Naming()->SeedListDraws(1);
    window.findChild<QPushButton*>("RzBitBtn5")->click();
    ok &= Save(&window, QStringLiteral("%1/TabSheet1-list-%2.png").arg(dir, scale));

    // The poetry page with a poem shown, two poems chosen and the names they give.
    window.findChild<QToolButton*>("RzToolButton10")->click();
    auto* tree = window.findChild<QTreeWidget*>("TreeViewInit");
    auto* titles = window.findChild<QTreeWidget*>("RzTreeView1");
    const auto pick = [&](QTreeWidget* list, const QString& text) {
        const QList<QTreeWidgetItem*> found =
            list->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty()) return;
        list->setCurrentItem(found.first());
        emit list->itemClicked(found.first(), 0);
    };
    for (const auto& [author, title] :
         {std::pair{QStringLiteral("孟浩然"), QStringLiteral("春晓")},
          std::pair{QStringLiteral("李白"), QStringLiteral("静夜思")}}) {
        pick(tree, author);
        pick(titles, title);
        window.findChild<QPushButton*>("RzBitBtn40")->click();
    }
    window.findChild<QLineEdit*>("Xing5")->setText(QStringLiteral("李"));
    window.findChild<QComboBox*>("CBsex5")->setCurrentIndex(1);
    window.findChild<QPushButton*>("RzBitBtn33")->click();
    ok &= Save(&window, QStringLiteral("%1/TabSheet6-names-%2.png").arg(dir, scale));

    QWidget* others[] = {new TFormHuangdao(&window), new TFRM_Date(&window),
                         new TFrm_NanNv(&window), new TFrmNameMain(&window)};
    for (QWidget* w : others) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) return 1;
        ok &= Save(w, QStringLiteral("%1/%2-%3.png").arg(dir, w->objectName(), scale));
        w->close();
    }
    return ok ? 0 : 1;
}
