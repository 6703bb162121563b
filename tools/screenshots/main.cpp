// Screenshots of the main window's six pages and of the secondary windows, for looking
// at layout, clipping and glyph coverage: qinghe-screenshots OUTDIR. Run it under Xvfb
// (scripts/screenshots.sh) at 1× and with QT_SCALE_FACTOR=2.
#include <QApplication>
#include <QDir>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/ProgramStart.h"
#include "app/TFRM_Date.h"
#include "app/TFormHuangdao.h"
#include "app/TFrmIndex.h"
#include "app/TFrm_NanNv.h"

namespace {

bool Save(QWidget* w, const QString& file) {
    QTest::qWait(50);
    const bool ok = w->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
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
    auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("RzPageControl1"));
    bool ok = true;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        ok &= Save(&window,
                   QStringLiteral("%1/%2-%3.png").arg(dir, pages->widget(i)->objectName(), scale));
    }
    QWidget* others[] = {new TFormHuangdao(&window), new TFRM_Date(&window),
                         new TFrm_NanNv(&window)};
    for (QWidget* w : others) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) return 1;
        ok &= Save(w, QStringLiteral("%1/%2-%3.png").arg(dir, w->objectName(), scale));
        w->close();
    }
    return ok ? 0 : 1;
}
