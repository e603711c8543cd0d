#include "io/analysis_model.h"

#include "core/calculator.h"
#include "core/surroundings_inputs.h"

namespace qv {
namespace {

field::TopLoadShape fieldShape(TopLoadPlacement placement)
{
    switch (placement) {
    case TopLoadPlacement::Toroid: return field::TopLoadShape::Toroid;
    case TopLoadPlacement::Sphere: return field::TopLoadShape::Sphere;
    case TopLoadPlacement::None: break;
    }
    return field::TopLoadShape::None;
}

} // namespace

field::CoilModel currentCoilModel(const Calculator& calc)
{
    field::CoilModel model = field::coilModel(calc.design, fieldShape(topLoadPlacement(calc.form)));
    model.reasonUnit = calc.lengthUnit;
    return model;
}

} // namespace qv
