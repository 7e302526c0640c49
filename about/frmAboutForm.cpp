#include "frmAboutForm.h"

namespace frmAboutForm {

LoadedTexts loadTimeTexts(const ApplicationIdentity &application)
{
    return {"About " + application.title, application.title,
            "Version " + std::to_string(application.major) + "." + std::to_string(application.minor) + "."
                + std::to_string(application.revision)};
}

std::vector<form::Figure> loadTimeDrawing(float scaleWidth)
{
    return {{form::Figure::Shape::Line, {0, 0}, {scaleWidth, 0}, kWhite, 1, form::Ink::Light}};
}

} // namespace frmAboutForm
