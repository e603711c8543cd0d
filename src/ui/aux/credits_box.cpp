#include "credits_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace qv {
namespace {

const QColor kNavy(0, 0, 128);
// The window's designed place on the screen; it is not centred.
constexpr int kDesignedLeft = 192;
constexpr int kDesignedTop = 114;
// A typical title bar and border, so that the outer frame comes to the designed size.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 27;
constexpr int kHeadingPixels = 16;
constexpr int kSubheadingPixels = 12;
constexpr int kNamePixels = 14;
constexpr int kColumns = 3;

// Whose formulas and measurements the calculator is built on.
constexpr std::array kContributors = {
    "Nikola Tesla",         "Harold A. Wheeler",   "David W. Medhurst",
    "Bert Pool",            "Mark Rzeszotarski",   "Frederick W. Grover",
    "Hantaro Nagaoka",      "Frederick E. Terman", "James Clerk Maxwell",
};

QFont serif(int pixels, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* line(const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: black"));
    return label;
}

QFrame* creditsPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: white; border: 1px solid black; }"));

    const QFont heading = serif(kHeadingPixels, true);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(line(QStringLiteral("The Following Have Contributed Greatly To The Making of This Program:"),
                           heading, panel));
    layout->addWidget(line(QStringLiteral("(Whether they know it or not)"), serif(kSubheadingPixels, true), panel));
    layout->addSpacing(6);

    auto* names = new QGridLayout;
    for (std::size_t i = 0; i < kContributors.size(); ++i) {
        QLabel* name = line(QString::fromLatin1(kContributors[i]), serif(kNamePixels, true), panel);
        name->setObjectName(QStringLiteral("Contributor"));
        name->setWordWrap(false);
        names->addWidget(name, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
    }
    layout->addLayout(names);
    layout->addStretch();
    layout->addWidget(line(QStringLiteral("And ...Everyone Else On The List"), heading, panel));
    layout->addWidget(line(QStringLiteral("Thanks to the members of the Tesla Coil Mailing List, who measured, "
                                          "argued and shared their coils for all to learn from."),
                           serif(kSubheadingPixels, true), panel));
    return panel;
}

} // namespace

TCreditsBox::TCreditsBox(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TCreditsBox"));
    setWindowTitle(QStringLiteral("Credits"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kNavy);
    setPalette(palette);
    setAutoFillBackground(true);
    resize(kOuterWidth - kFrameWidth, kOuterHeight - kFrameHeight);
    move(kDesignedLeft, kDesignedTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(creditsPanel(this));
}

void TCreditsBox::showCredits()
{
    show();
    raise();
    activateWindow();
}

} // namespace qv
