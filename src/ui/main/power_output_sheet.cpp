#include "sheets.h"

#include "jpeg_image.h"
#include "sheet_widgets.h"
#include "core/input_fields.h"
#include "ui/model_text.h"

#include <QPixmap>

namespace qv {

namespace {
constexpr const char* kPhotographPath = ":/pictures/power_output.jpg";
constexpr QRect kPhotograph{0, 0, kSheetWidth, kSheetHeight};
constexpr QRect kCaption{8, 6, 330, 18};
constexpr QRect kSpark{8, 26, 160, 21};

// The caption stays readable over any part of the photograph.
void giveBackground(QLabel* label)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
}
} // namespace

PowerOutputSheet::PowerOutputSheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("TabSheet1");
    QLabel* photograph = addLabel(this, QString(), kPhotograph, "PowerOutputPhoto");
    photograph->setAlignment(Qt::AlignCenter);
    // A damaged picture leaves an empty frame; the sheet works without it.
    const QImage image = quorvane::decodeJpegFile(kPhotographPath);
    if (image.isNull()) photograph->setFrameShape(QFrame::Box);
    else photograph->setPixmap(QPixmap::fromImage(image).scaled(kPhotograph.size(), Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation));

    giveBackground(addLabel(this, "Maximum Spark Output (based on 1.2*sqrt(power-in)):", kCaption));
    addField(this, FieldId::OutputEdit1, QRect(kSpark.x(), kSpark.y(), kFieldWidth, kRowHeight));
    QLabel* unit = addLabel(this, " in ", QRect(kSpark.x() + kFieldWidth + kGap, kSpark.y(), 24, kRowHeight));
    const LengthQuantity spark = metricOf(FieldId::OutputEdit1).quantity;
    followLengthUnit(unit, " " + toQt(unitCaption(spark, LengthUnit::Inches)) + " ",
                     " " + toQt(unitCaption(spark, LengthUnit::Millimetres)) + " ");
    giveBackground(unit);
}

} // namespace qv
