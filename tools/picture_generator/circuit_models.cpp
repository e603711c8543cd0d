// The three circuit diagrams of the netlist window, one per netlist model, drawn with the
// netlist's part names and its node topology. Upright parts run from the top rail down to
// the ground rail; "right" for an upright coil's humps means the screen's left (see Schematic).
#include "pictures.h"
#include "schematic.h"

#include <QPainter>

namespace pictures {
namespace {

struct Rails {
    double top;
    double bottom;
};

QPointF at(double x, double y) { return {x, y}; }

// Model 1: C1, R1, L1 tank coupled through TX1 to L2, R2 and C2.
void drawStandardModel(Schematic& s)
{
    const Rails r{40, 118};
    s.title("Standard RLC Model");
    s.capacitor(at(28, r.top), at(28, r.bottom), "C1", LabelPlace::UpperRight);
    s.resistor(at(28, r.top), at(96, r.top), "R1", LabelPlace::Above);
    s.inductor(at(96, r.top), at(96, r.bottom), "L1", LabelPlace::UpperLeft, true);
    s.core(113, 62, 96, "TX1");
    s.inductor(at(130, r.top), at(130, r.bottom), "L2", LabelPlace::UpperRight, false);
    s.resistor(at(130, r.top), at(200, r.top), "R2", LabelPlace::Above);
    s.capacitor(at(200, r.top), at(200, r.bottom), "C2", LabelPlace::UpperRight);
    s.wire({at(28, r.bottom), at(96, r.bottom)});
    s.wire({at(130, r.bottom), at(200, r.bottom)});
    s.ground(at(62, r.bottom));
    s.ground(at(165, r.bottom));
}

// Model 2: the same tank; the secondary is a ladder L2..L8 with R2..R7 in series and
// C2..C7 to ground, topped by C8 and the air resistance R8 to ground.
void drawLadderModel(Schematic& s)
{
    const Rails r{44, 118};
    constexpr double kSecondaryX = 122;
    constexpr double kRungWidth = 92;
    constexpr int kRungs = 6;
    s.title("Distributed Ladder Model");
    s.capacitor(at(20, r.top), at(20, r.bottom), "C1", LabelPlace::UpperRight);
    s.resistor(at(20, r.top), at(80, r.top), "R1", LabelPlace::Above);
    s.inductor(at(80, r.top), at(80, r.bottom), "L1", LabelPlace::UpperLeft, true);
    s.core(101, 66, 100, "TX1");
    s.inductor(at(kSecondaryX, r.top), at(kSecondaryX, r.bottom), "L2", LabelPlace::UpperRight,
               false);
    double x = kSecondaryX;
    for (int rung = 0; rung < kRungs; ++rung) {
        const QString n = QString::number(rung + 2);
        const double node = x + kRungWidth / 2;
        const double next = x + kRungWidth;
        s.resistor(at(x, r.top), at(node, r.top), "R" + n, LabelPlace::Above);
        s.capacitor(at(node, r.top), at(node, r.bottom), "C" + n, LabelPlace::UpperRight);
        s.junction(at(node, r.top));
        s.junction(at(node, r.bottom));
        s.inductor(at(node, r.top), at(next, r.top), "L" + QString::number(rung + 3),
                   LabelPlace::Above, false, Schematic::Coupling::Single);
        x = next;
    }
    const double middle = (r.top + r.bottom) / 2.0;
    s.capacitor(at(x, r.top), at(x, middle), "C8", LabelPlace::Right);
    s.resistor(at(x, middle), at(x, r.bottom), "R8", LabelPlace::Right);
    s.wire({at(20, r.bottom), at(80, r.bottom)});
    s.wire({at(kSecondaryX, r.bottom), at(x, r.bottom)});
    s.ground(at(50, r.bottom));
    s.ground(at(kSecondaryX + kRungWidth / 4, r.bottom));
}

// Model 3, left half: source V1 with R1, C1, R2 into the supply transformer TX1, whose
// output R3, C2 is shorted by the spark-gap switch S1 that the pulse source V2 fires.
void drawSupplySide(Schematic& s, const Rails& r)
{
    s.sineSource(at(16, r.top), at(16, r.bottom), "V1", LabelPlace::UpperRight);
    s.resistor(at(16, r.top), at(48, r.top), "R1", LabelPlace::Above);
    s.capacitor(at(48, r.top), at(48, r.bottom), "C1", LabelPlace::UpperRight);
    s.junction(at(48, r.top));
    s.resistor(at(48, r.top), at(80, r.top), "R2", LabelPlace::Above);
    s.inductor(at(80, r.top), at(80, r.bottom), "L1", LabelPlace::UpperLeft, true);
    s.core(90, 72, 106, "TX1");
    s.inductor(at(100, r.top), at(100, r.bottom), "L2", LabelPlace::UpperRight, false);
    s.resistor(at(100, r.top), at(132, r.top), "R3", LabelPlace::Above);
    s.capacitor(at(132, r.top), at(132, r.bottom), "C2", LabelPlace::UpperRight);
    s.junction(at(132, r.top));
    s.wire({at(132, r.top), at(154, r.top)});
    const QPointF control = s.controlledSwitch(at(154, r.top), at(154, r.bottom), "S1",
                                               LabelPlace::UpperRight);
    s.junction(at(154, r.top));
    constexpr double kControlY = 84;
    s.pulseSource(at(176, kControlY), at(176, r.bottom), "V2", LabelPlace::UpperRight);
    s.resistor(at(198, kControlY), at(198, r.bottom), "RS_S1", LabelPlace::Right);
    s.wire({at(176, kControlY), at(198, kControlY)});
    s.controlLine(control, at(176, kControlY));
}

// Model 3, right half: tank capacitor C3 and tubing R4 into the coil's primary of TX2; the
// secondary drives R5 to the top node with C4, C5 and R6 to ground and the arc R7, C6.
void drawCoilSide(Schematic& s, const Rails& r)
{
    s.wire({at(154, r.top), at(214, r.top)});
    s.capacitor(at(214, r.top), at(246, r.top), "C3", LabelPlace::Above);
    s.resistor(at(246, r.top), at(278, r.top), "R4", LabelPlace::Above);
    s.inductor(at(278, r.top), at(278, r.bottom), "L1", LabelPlace::UpperLeft, true);
    s.core(288, 72, 106, "TX2");
    s.inductor(at(298, r.top), at(298, r.bottom), "L2", LabelPlace::UpperRight, false);
    s.resistor(at(298, r.top), at(330, r.top), "R5", LabelPlace::Above);
    s.capacitor(at(330, r.top), at(330, r.bottom), "C4", LabelPlace::UpperRight);
    s.capacitor(at(350, r.top), at(350, r.bottom), "C5", LabelPlace::UpperRight);
    s.resistor(at(370, r.top), at(370, r.bottom), "R6", LabelPlace::UpperRight);
    s.wire({at(330, r.top), at(370, r.top)});
    for (double x : {330.0, 350.0})
        s.junction(at(x, r.top));
    s.junction(at(370, r.top));
    s.resistor(at(370, r.top), at(402, r.top), "R7", LabelPlace::Above);
    s.capacitor(at(402, r.top), at(402, r.bottom), "C6", LabelPlace::UpperRight);
}

void drawComplexModel(Schematic& s)
{
    const Rails r{50, 128};
    s.title("Complex Model");
    drawSupplySide(s, r);
    drawCoilSide(s, r);
    s.wire({at(16, r.bottom), at(402, r.bottom)});
    s.ground(at(64, r.bottom));
    s.ground(at(230, r.bottom));
    s.ground(at(386, r.bottom));
}

struct ModelPicture {
    QSize size;
    void (*draw)(Schematic&);
};

// The sizes are the netlist window's picture sizes.
constexpr ModelPicture kModels[] = {
    {{235, 139}, drawStandardModel},
    {{726, 142}, drawLadderModel},
    {{422, 154}, drawComplexModel},
};

} // namespace

QImage circuitModel(int model, int scale)
{
    const ModelPicture& picture = kModels[model - 1];
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    Schematic schematic(painter);
    picture.draw(schematic);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace pictures
