// Program start, shared by the program's entry and the tools that start the window the
// same way (screenshots, start-up benchmark): application title and window font.
#pragma once

namespace qinghe {

// After the QApplication exists: the application title "青禾生辰八字取名软件" and the
// window font for every window of the program.
void SetUpApplication();

}  // namespace qinghe
