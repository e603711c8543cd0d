#pragma once

#include <QPainter>
#include <QPointF>
#include <QString>

#include <initializer_list>

namespace pictures {

// Where a part's name goes: beside the upper lead of an upright part, or above a lying one.
enum class LabelPlace { UpperRight, UpperLeft, Above, Below, Right };

// Schematic symbols between two terminals; the body is centred and leads fill the rest.
class Schematic {
public:
    explicit Schematic(QPainter& painter);

    void title(const QString& text);
    void wire(std::initializer_list<QPointF> points);
    void junction(QPointF at);
    void ground(QPointF at);

    void resistor(QPointF a, QPointF b, const QString& name, LabelPlace place);
    void capacitor(QPointF a, QPointF b, const QString& name, LabelPlace place);
    // bulgeRight: humps to the right of the direction a→b (left for false). A coupled coil
    // carries the dot that marks its a end.
    enum class Coupling { Single, Coupled };
    void inductor(QPointF a, QPointF b, const QString& name, LabelPlace place, bool bulgeRight,
                  Coupling coupling = Coupling::Coupled);
    void sineSource(QPointF plus, QPointF minus, const QString& name, LabelPlace place);
    void pulseSource(QPointF plus, QPointF minus, const QString& name, LabelPlace place);
    // A voltage-controlled switch; returns the point where its control line attaches.
    QPointF controlledSwitch(QPointF a, QPointF b, const QString& name, LabelPlace place);
    void controlLine(QPointF from, QPointF to);

    // The magnetic coupling between two upright coils, with the transformer's name below it.
    void core(double x, double top, double bottom, const QString& name);

private:
    template <typename Body>
    void twoTerminal(QPointF a, QPointF b, double bodyLength, Body drawBody);
    void label(QPointF a, QPointF b, double bodyLength, const QString& name, LabelPlace place);

    QPainter& painter_;
};

} // namespace pictures
