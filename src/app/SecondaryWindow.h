// Frame helpers shared by the main window and the windows it opens: a white background,
// an outer size (frame included) and a place in the middle of the screen.
#pragma once

#include <QSize>

class QWidget;

namespace qinghe {

void PaintWhite(QWidget* window);
void CentreOnScreen(QWidget* window);
// Sizes the window so that, frame included, it measures `outer`, and centres it. The
// frame is known only once the window manager has framed the window, so the size is
// corrected again when the window is first shown.
void SetOuterSizeCentred(QWidget* window, QSize outer);

}  // namespace qinghe
