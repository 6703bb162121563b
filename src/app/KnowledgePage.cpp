// Buttons in the order and with the codes of the article list; the column scrolls when the
// window is too low for all of them. One handler shows the article of the pressed button.
#include "app/KnowledgePage.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "app/Controls.h"
#include "refdata/Articles.h"
#include "refdata/ReferenceDb.h"

KnowledgePage::KnowledgePage() {
    // Caption and article code (Cid) of each button, top to bottom. 姓氏来源 has an article
    // of its own (XM018) about where surnames come from, not that of 三才参数.
    struct Article {
        const char* name;
        const char* caption;
        const char* code;
    };
    const Article articles[] = {
        {"RzBitBtn6", "姓名起名原理", "a1"},
        {"RzBitBtn9", "什么是八字", "a2"},
        {"RzBitBtn10", "八字与起名的重要性", "a6"},
        {"RzBitBtn11", "吉祥宝宝起名方法", "a7"},
        {"RzBitBtn12", "姓名学与取名", "XM001"},
        {"RzBitBtn13", "姓名与命运", "XM002"},
        {"RzBitBtn17", "五行与数字", "XM003"},
        {"RzBitBtn28", "姓名与性格", "XM010"},
        {"RzBitBtn18", "姓名字划计算方法", "XM004"},
        {"RzBitBtn19", "常用汉字繁体字笔画数", "XM005"},
        {"RzBitBtn20", "数理暗示因素", "XM006"},
        {"RzBitBtn21", "五格剖象法", "XM007"},
        {"RzBitBtn22", "81数理运势诱导", "XM008"},
        {"RzBitBtn25", "天、人、地格三才配置", "XM009"},
        {"RzBitBtn26", "五格数理", "XM016"},
        {"RzBitBtn27", "三才参数", "XM017"},
        {"RzBitBtn23", "姓氏来源", "XM018"},
    };
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(6);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    auto* buttons = new QWidget(scroll);
    auto* buttonColumn = new QVBoxLayout(buttons);
    buttonColumn->setContentsMargins(0, 0, 0, 0);
    buttonColumn->setSpacing(2);
    for (const Article& a : articles) {
        QPushButton* b = qinghe::NewButton(buttons, a.name, a.caption);
        b->setProperty("Cid", QString::fromUtf8(a.code));
        connect(b, &QPushButton::clicked, this, &KnowledgePage::RzBitBtn6Click);
        buttonColumn->addWidget(b);
    }
    buttonColumn->addStretch(1);
    scroll->setWidget(buttons);
    // Room for the scroll bar, which appears when the window is too low for all buttons.
    scroll->setFixedWidth(buttons->sizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width() + 2);
    row->addWidget(scroll);
    m_memo = qinghe::NewMemo(this, "MemoBk", true);
    m_memo->setPlainText(QString::fromStdString(qinghe::IntroductionArticle()));
    row->addWidget(m_memo, 1);
}

void KnowledgePage::RzBitBtn6Click() {
    const QObject* button = sender();
    const QString code = button ? button->property("Cid").toString().trimmed() : QString();
    if (code.isEmpty()) return;
    m_memo->clear();
    try {
        if (const auto article = qinghe::ArticleContent(code.toStdString()))
            m_memo->setPlainText(QString::fromStdString(*article));
    } catch (const qinghe::ReferenceDbError&) {
        // Without TalBirth.dll or its table the memo stays empty.
    }
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->verticalScrollBar()->setValue(0);
}
