// The almanac window: 600 × 464 client area, centred, system menu only. Its look-up is the
// core's (Almanac.h); a day without a row clears the entry and says so, so that yesterday's
// 宜 and 忌 are never read as today's.
#include "calendar/TFormHuangdao.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/BirthBoxes.h"
#include "app/Controls.h"
#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"
#include "app/ShowInfo.h"
#include "base/Errors.h"
#include "calendar/Almanac.h"

namespace {

QDate& Today() {
    static QDate today;
    return today;
}

// The glossary of almanac terms, one string a line (lines 12-13 and 18-19 are one explanation
// each, broken over two lines).
constexpr const char* kGlossary[] = {
    "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
    "祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
    "安葬 ：举行埋葬等仪式 ",
    "出行 ：指外出旅行、观光游览 ",
    "祈福 ：祈求神明降福或设醮还愿之事 ",
    "动土 ：建筑时、第一次动起锄头挖土 ",
    "安床 ：指安置睡床卧铺之意 ",
    "开光 ：佛像塑成后、供奉上位之事 ",
    "纳采 ：缔结婚姻的仪式、受授聘金 ",
    "入殓 ：将尸体放入棺材之意 ",
    "移徙 ：指搬家迁移住所之意 ",
    "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。现",
    "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
    "解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
    "入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
    "修造 ：指阳宅之造与修理 ",
    "栽种 ：种植物“接果”“种田禾”同 ",
    "开市 ：“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。包括：(1)年头初开始营业或开工等",
    "事(2)新设店铺商行或新厂开幕等事 ",
    "移柩 ：行葬仪时、将棺木移出屋外之事 ",
    "订盟 ：订婚仪式的一种，俗称小聘(订) ",
    "拆卸 ：拆掉建筑物 ",
    "立卷 ：订立各种契约互相买卖之事 ",
    "交易 ：订立各种契约互相买卖之事 ",
    "求嗣 ：指向神明祈求后嗣(子孙)之意 ",
    "上梁 ：装上建筑物屋顶的梁，同架马 ",
    "纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
    "起基 ：建筑时、第一次动起锄头挖土 ",
    "斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
    "赴任 ：走马上任 ",
    "冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
    "安门 ：放置正门门框 ",
    "修坟 ：修理坟墓 ",
    "挂匾 ：指悬挂招牌或各种匾额"};

QStringList Numbers(int from, int to, int width) {
    QStringList items;
    for (int i = from; i <= to; ++i) items << QStringLiteral("%1").arg(i, width, 10, QChar('0'));
    return items;
}

}  // namespace

void TFormHuangdao::SetToday(QDate today) {
    Today() = today;
}

TFormHuangdao::TFormHuangdao(QWidget* parent) : QDialog(parent) {
    using namespace qinghe;
    setObjectName(QStringLiteral("TFormHuangdao"));
    setWindowTitle(QStringLiteral("黄道吉日"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    PaintWhite(this);
    ADOQuery1 = ReferenceConnectionString(kTalBirth);

    auto* column = new QVBoxLayout(this);
    auto* pick = NewRow(column);
    pick->addWidget(NewLabel(this, "选择黄历："));
    m_year = NewEditableList(this, QStringLiteral("SYear"), Numbers(2019, 2030, 4), {});
    m_month = NewEditableList(this, QStringLiteral("SMonth"), Numbers(1, 12, 2), {});
    m_day = NewEditableList(this, QStringLiteral("Sday"), Numbers(1, 31, 2), {});
    const std::pair<QComboBox*, const char*> boxes[] = {
        {m_year, "年"}, {m_month, "月"}, {m_day, "日"}};
    for (const auto& [box, unit] : boxes) {
        pick->addWidget(box);
        pick->addWidget(NewLabel(this, unit));
    }
    auto* run = NewButton(this, "RzBitBtn1", "测算");
    auto* close = NewButton(this, "RzBitBtn2", "关闭");
    pick->addSpacing(12);
    pick->addWidget(run);
    pick->addWidget(close);
    pick->addStretch(1);
    auto* overviewRow = NewRow(column);
    overviewRow->addWidget(NewLabel(this, "当日统览："));
    m_overview = new QLabel(this);
    m_overview->setObjectName(QStringLiteral("Label1"));
    overviewRow->addWidget(m_overview, 1);

    auto* result = new QGroupBox(QStringLiteral("测算结果："), this);
    auto* resultColumn = new QVBoxLayout(result);
    m_entry = NewMemo(result, "Memo1", true);
    m_entry->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultColumn->addWidget(m_entry);
    column->addWidget(result, 3);

    auto* terms = new QGroupBox(QStringLiteral("黄历名词解释："), this);
    auto* termsColumn = new QVBoxLayout(terms);
    QPlainTextEdit* glossary = NewMemo(terms, "Memo2", true);
    QStringList lines;
    for (const char* line : kGlossary) lines << QString::fromUtf8(line);
    glossary->setPlainText(lines.join('\n'));
    termsColumn->addWidget(glossary);
    column->addWidget(terms, 2);

    connect(run, &QPushButton::clicked, this, &TFormHuangdao::RzBitBtn1Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(600, 464);
    CentreOnScreen(this);
}

void TFormHuangdao::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    FormShow();
}

void TFormHuangdao::FormShow() {
    const QDate today = Today().isValid() ? Today() : QDate::currentDate();
    m_year->setEditText(today.toString(QStringLiteral("yyyy")));
    m_month->setEditText(today.toString(QStringLiteral("MM")));
    m_day->setEditText(today.toString(QStringLiteral("dd")));
    RzBitBtn1Click();
}

void TFormHuangdao::RzBitBtn1Click() {
    try {
        const auto entry = qinghe::AlmanacOf(m_year->currentText().toStdString(),
                                             m_month->currentText().toStdString(),
                                             m_day->currentText().toStdString());
        m_entry->clear();
        m_overview->clear();
        if (!entry) {
            qinghe::ShowInfo(QStringLiteral("没有该日的黄历数据!"));
            return;
        }
        m_overview->setText(QString::fromStdString(entry->overview));
        QStringList lines;
        for (const std::string& line : entry->lines) lines << QString::fromStdString(line);
        m_entry->setPlainText(lines.join('\n'));
    } catch (const qinghe::InputRefused& e) {
        qinghe::ShowInfo(QString::fromStdString(e.what()));
    } catch (const qinghe::ReferenceDbError&) {
        // The file cannot be read: the window stays open with what it shows.
    }
}
