// What a page asks of the window that holds it: the window's save dialog and its hidden
// clipboard buffer. Pages reach each other only through signals the window connects.
#pragma once

class QFileDialog;
class QPlainTextEdit;

namespace qinghe {

class PageHost {
  public:
    // The window's save dialog (filter "文本文件 (*.txt)"); it remembers the last name chosen.
    virtual QFileDialog* SaveDialog1() = 0;
    // MemoSave: never seen, the staging area of every copy to the clipboard.
    virtual QPlainTextEdit* MemoSave() = 0;

  protected:
    ~PageHost() = default;
};

}  // namespace qinghe
