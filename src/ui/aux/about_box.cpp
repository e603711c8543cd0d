#include "about_box.h"

#include "core/version.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace qv {
namespace {

constexpr int kBorder = 5;
constexpr int kIconSize = 32;
const QColor kTeal(0, 128, 128);
const QColor kMaroon(128, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kPanelFace(192, 192, 192);
constexpr const char* kIconResource = ":/icons/quorvane.png";

void fill(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Without the program's picture in the resources, a drawn coil stands in, so the box never
// shows an empty square.
QPixmap programIcon()
{
    QPixmap icon(QString::fromLatin1(kIconResource));
    if (!icon.isNull()) return icon.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap drawn(kIconSize, kIconSize);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(184, 115, 51), 2));
    for (int y = 12; y < 30; y += 3) painter.drawLine(11, y, 21, y); // the secondary's turns
    painter.setPen(QPen(Qt::darkGray, 2));
    painter.setBrush(QColor(210, 210, 210));
    painter.drawEllipse(QRectF(3, 3, 26, 8)); // the toroid
    return drawn;
}

QFrame* panel(QWidget* parent, const char* name, const QColor& colour)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    fill(frame, colour);
    return frame;
}

QWidget* upperPanel(QWidget* parent)
{
    QFrame* frame = panel(parent, "Panel1", kPanelFace);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* image = new QLabel(frame);
    image->setObjectName(QStringLiteral("Image1"));
    image->setFixedSize(kIconSize, kIconSize);
    image->setPixmap(programIcon());
    auto* title = new QLabel(QStringLiteral(" Quorvane  Version ") + QString::fromLatin1(kProgramVersion), frame);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setStyleSheet(QStringLiteral("color: black"));
    auto* about = new QLabel(QStringLiteral("A design calculator for spark-gap Tesla coils: primary, secondary, "
                                            "tank capacitor, top load, spark gap and spark length."),
                             frame);
    about->setWordWrap(true);
    about->setStyleSheet(QStringLiteral("color: black"));

    auto* heading = new QHBoxLayout;
    heading->addWidget(image, 0, Qt::AlignTop);
    heading->addWidget(title, 1);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(heading);
    layout->addWidget(about);
    layout->addStretch();
    return frame;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About Quorvane"));
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    fill(this, kTeal);

    // The nested frames behind the OK button: maroon, black, grey.
    QFrame* outer = panel(this, "Panel2", kMaroon);
    QFrame* middle = panel(outer, "Panel3", Qt::black);
    QFrame* inner = panel(middle, "Panel4", kGrey);
    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), inner);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::BitBtn1Click);
    for (QFrame* frame : {outer, middle}) {
        auto* nest = new QVBoxLayout(frame);
        nest->setContentsMargins(3, 3, 3, 3);
    }
    outer->layout()->addWidget(middle);
    middle->layout()->addWidget(inner);
    auto* okLayout = new QHBoxLayout(inner);
    okLayout->setContentsMargins(6, 4, 6, 4);
    okLayout->addStretch();
    okLayout->addWidget(ok);
    okLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(upperPanel(this), 1);
    layout->addWidget(outer);
}

void TAboutBox::showAbout()
{
    if (!placed_) {
        if (const QScreen* screen = QApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TAboutBox::BitBtn1Click() { hide(); }

} // namespace qv
