// The main window under the offscreen platform.
#include <QtTest>

#include "app/TFrmIndex.h"

class TFrmIndexTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionAndSize() {
        TFrmIndex w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("青禾生辰八字取名软件"));
        QCOMPARE(w.objectName(), QStringLiteral("TFrmIndex"));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(TFrmIndexTest)
#include "TFrmIndexTest.moc"
