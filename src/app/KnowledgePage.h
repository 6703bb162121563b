// The knowledge page "取名知识": a column of article buttons beside the article memo MemoBk.
// Each button carries the code (Cid) of its article in table Noter; before any is pressed
// the memo shows the built-in introduction.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class KnowledgePage : public QWidget {
    Q_OBJECT
  public:
    KnowledgePage();

  public slots:
    // Every article button: shows the article of the button pressed, trimmed, from its top.
    void RzBitBtn6Click();

  private:
    QPlainTextEdit* m_memo = nullptr;  // MemoBk
};
