// Window frame helpers. Qt sizes the client area; the outer sizes of the windows include
// the title bar and borders, which only the window manager knows.
#include "app/SecondaryWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace qinghe {

namespace {

// Corrects the client size by the frame once the window has one.
class OuterSizeKeeper : public QObject {
  public:
    OuterSizeKeeper(QWidget* window, QSize outer) : QObject(window), m_outer(outer) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show || event->type() == QEvent::Move) {
            const QSize frame = w->frameGeometry().size() - w->geometry().size();
            if (frame.width() > 0 || frame.height() > 0) {
                if (w->frameGeometry().size() != m_outer) {
                    w->resize(m_outer - frame);
                    CentreOnScreen(w);
                }
                deleteLater();
            }
        }
        return false;
    }

  private:
    QSize m_outer;
};

}  // namespace

void PaintWhite(QWidget* window) {
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, Qt::white);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void SetOuterSizeCentred(QWidget* window, QSize outer) {
    window->resize(outer);
    CentreOnScreen(window);
    new OuterSizeKeeper(window, outer);
}

}  // namespace qinghe
