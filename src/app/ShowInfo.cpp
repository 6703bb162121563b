// The information box behind every input check.
#include "app/ShowInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace qinghe {

namespace {
std::function<void(const QString&)>& Hook() {
    static std::function<void(const QString&)> hook;
    return hook;
}
}  // namespace

void ShowInfo(const QString& text, const QString& title) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetShowInfoHook(std::function<void(const QString&)> hook) {
    Hook() = std::move(hook);
}

}  // namespace qinghe
