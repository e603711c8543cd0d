#include "sheets.h"

#include "pictures.h"
#include "sheet_widgets.h"

#include <QGroupBox>
#include <QPixmap>
#include <QPlainTextEdit>

#include <optional>

namespace qv {

namespace {
constexpr QRect kNote{4, 2, 162, 58};
constexpr QRect kToroidDrawing{168, 2, 200, 100};
constexpr Column kSizes{4, 62, 44};
constexpr QRect kShapePanel{4, 110, kSheetWidth - 8, 44};
constexpr QRect kEquationPanel{4, 156, kSheetWidth - 8, 130};
constexpr int kRadioWidth = 18;

constexpr const char* kNoteText =
    "Dt   = Diameter of toroid tube.\n\nDtc = Diameter of toroid ( tube \ncenter to tube center). ";

void addNote(QWidget* sheet)
{
    auto* note = new QPlainTextEdit(kNoteText, sheet);
    note->setGeometry(kNote);
    note->setReadOnly(true);
    note->setFrameShape(QFrame::NoFrame);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    note->setFocusPolicy(Qt::NoFocus);
    note->viewport()->setAutoFillBackground(false);
    QFont font = note->font();
    font.setPixelSize(10);
    note->setFont(font);
}

void addToroidDrawing(QWidget* sheet)
{
    QLabel* drawing = addLabel(sheet, QString(), kToroidDrawing, "ToroidBMP");
    drawing->setAlignment(Qt::AlignCenter);
    const QPixmap toroid = picture(":/pictures/toroid.png", kToroidDrawing.size());
    if (toroid.isNull()) drawing->setFrameShape(QFrame::Box);
    else drawing->setPixmap(toroid);
}

// A radio button whose caption is a label of its own, so the program can retitle or hide it.
void addCaptionedRadio(QWidget* panel, OptionId button, ControlId label, QPoint at)
{
    addRadio(panel, button, QString(), QRect(at, QSize(kRadioWidth, 18)));
    addLabel(panel, QString(), QRect(at.x() + kRadioWidth + 2, at.y(), 300, 18), label);
}

// The labels of the second row are named: they hide with the Rzeszotarski result for a sphere.
struct CapacitanceLabels {
    ControlId caption;
    ControlId unit;
};

void addCapacitanceRow(QWidget* panel, FieldId field, std::optional<CapacitanceLabels> labels, int y)
{
    const QRect caption(30, y, 80, kRowHeight);
    const QRect unit(112 + kFieldWidth + kGap, y, kUnitWidth, kRowHeight);
    addField(panel, field, QRect(112, y, kFieldWidth, kRowHeight));
    if (!labels) {
        addLabel(panel, "Capacitance", caption);
        addLabel(panel, "pf", unit);
        return;
    }
    addLabel(panel, "Capacitance", caption, labels->caption);
    addLabel(panel, "pf", unit, labels->unit);
}

} // namespace

TopLoadCSheet::TopLoadCSheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("TopLoadCSheet");
    addNote(this);
    addToroidDrawing(this);
    addRows(this, kSizes, {
        {"Dt", FieldId::TOCEdit1, "in", ControlId::TOCLabel1},
        {"Dtc", FieldId::TOCEdit2, nullptr, ControlId::TOCLabel2},
    });
    // The unit of the second row hides with it.
    addLabel(this, "in", QRect(kSizes.x + kSizes.captionWidth + kFieldWidth + 15 + kGap, kSizes.y + kRowPitch,
                               kUnitWidth, kRowHeight), ControlId::TOCUnitLabel2);

    QGroupBox* shape = addPanel(this, "Shape of Top Capacitor", kShapePanel);
    addRadio(shape, OptionId::ToroidSelect, "Toroid ", QRect(10, 20, 80, 20));
    addRadio(shape, OptionId::SphereSelect, "Sphere", QRect(92, 20, 80, 20));
    addCheck(shape, OptionId::NoCap, "Copy To Secondary Sheet", QRect(176, 20, 182, 20));

    QGroupBox* equations = addPanel(this, QString(), kEquationPanel);
    addCaptionedRadio(equations, OptionId::BertPoolButton, ControlId::BertPoolLabel, QPoint(8, 6));
    addCapacitanceRow(equations, FieldId::TOCEdit3, std::nullopt, 26);
    addCaptionedRadio(equations, OptionId::PhysicsButton, ControlId::PhysicsLabel, QPoint(8, 56));
    addLabel(equations, QString(), QRect(8 + kRadioWidth + 2, 74, 300, 16), ControlId::PhysicsNoteLabel);
    addCapacitanceRow(equations, FieldId::TOCEdit4, CapacitanceLabels{ControlId::TOCCapacitanceLabel4,
                                                                      ControlId::TOCUnitLabel4}, 94);
}

} // namespace qv
