#include "frmPictavoForm.h"

namespace frmPictavoForm {

std::vector<form::Figure> loadTimeDrawing(float scaleWidth)
{
    using Shape = form::Figure::Shape;
    // The right end is computed in single precision, as the window's width is measured.
    const double ruleEnd = scaleWidth - 3.0F;
    return {
        {Shape::Line, {3, 0}, {ruleEnd, 0}, kDarkBlue},
        {Shape::Line, {3, 3}, {ruleEnd, 3}, kDarkBlue},
        {Shape::Rectangle, {144, 86}, {360, 184}, kDarkBlue},
        {Shape::Line, {250, 116}, {250, 156}, kGrey, 1, form::Ink::Grey},
        {Shape::Line, {220, 136}, {280, 136}, kGrey, 1, form::Ink::Grey},
    };
}

} // namespace frmPictavoForm
