// The knowledge page "取名知识": a column of article buttons beside the article memo MemoBk.
// Each button carries the code (Cid) of its article in table Noter; the articles are not
// written yet, so the buttons say so.
#pragma once

#include <QWidget>

class KnowledgePage : public QWidget {
    Q_OBJECT
  public:
    KnowledgePage();
};
