// The one information box of every input check: modal, titled "提示", with the
// information icon and one OK button. Tests replace the box by a recorder.
#pragma once

#include <QString>
#include <functional>

namespace qinghe {

void ShowInfo(const QString& text, const QString& title = QStringLiteral("提示"));

// Replaces the box by `hook` (which sees the text and returns at once); an empty
// function restores the box.
void SetShowInfoHook(std::function<void(const QString&)> hook);

}  // namespace qinghe
