// The about text is the program's own, in one memo RzMemo3.
#include "app/AboutPage.h"

#include <QBoxLayout>
#include <QPlainTextEdit>

#include "app/Controls.h"

namespace {

const char* const kAboutText =
    "青禾生辰八字取名软件\n"
    "\n"
    "青禾是一个帮助父母和起名者挑选、比较中文名字的桌面参考工具。输入姓氏、性别和出生时间，"
    "它按传统姓名学（笔画、五格、三才、八十一数理）和生辰八字（年、月、日、时四柱及其五行、"
    "十神、纳音、大运）列出候选名字，写出名字分析和八字分析报告；另有万年历、黄道吉日、"
    "取名知识和生男生女表。\n"
    "\n"
    "这些方法来自民间传统和文化习俗，不是科学预测。软件给出的分数和说法只供参考，"
    "一个名字好不好，最终由您和家人自己判断。\n"
    "\n"
    "数据来源：汉字的笔画、部首、拼音和繁体字形取自 Unicode 联盟的 Unihan 数据库"
    "（Unicode 许可协议）；简繁对照参考 OpenCC 的字表（Apache 许可证 2.0）；"
    "农历、节气和干支由程序按公开的历法与天文算法计算；诗词取自开源诗词数据 "
    "chinese-poetry（MIT 许可证，诗词本身属公有领域）；成语和常用词的核对用到结巴分词的词典"
    "（MIT 许可证）；人名用字频率取自开源项目 ngender 的字频表（MIT 许可证）；黄历的宜忌、"
    "胎神、冲煞和彭祖百忌取自 lunar-javascript（MIT 许可证）。各项释义、文章"
    "和说明文字都由本项目自行编写。\n"
    "\n"
    "软件只读取安装目录里的数据文件，不联网，不收集、不上传任何信息。";

}  // namespace

AboutPage::AboutPage() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    QPlainTextEdit* about = qinghe::NewMemo(this, "RzMemo3", true);
    about->setPlainText(QString::fromUtf8(kAboutText));
    column->addWidget(about);
}
