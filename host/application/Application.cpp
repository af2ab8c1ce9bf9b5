#include "host/application/Application.h"

#include "host/database/LayerTable.h"
#include "host/database/UcsTable.h"

namespace host {

Application& Application::instance()
{
    static Application application;
    return application;
}

Application::Application()
    : database_(std::make_unique<Database>()), currentDatabase_(database_.get()),
      input_(commandLine_, currentDatabase_)
{
    bindVariables();
    setDefaultView();
}

void Application::newDrawing()
{
    database_ = std::make_unique<Database>();
    currentDatabase_ = database_.get();
    variables_.resetToDefaults();
    coordinates_.setWorldUcs();
    setDefaultView();
    input_.reset();
    commandLine_.clear();
}

void Application::setDefaultView()
{
    VariableValue screen;
    variables_.get("SCREENSIZE", screen);
    ViewSettings view;
    view.height = kDefaultViewHeight;
    view.width = kDefaultViewHeight * screen.point.x / screen.point.y;
    coordinates_.setView(view);
}

void Application::bindVariables()
{
    variables_.bind(
        "CLAYER",
        [this] {
            const auto* layer = dynamic_cast<const LayerTableRecord*>(database_->peek(database_->currentLayerId()));
            return VariableValue::ofText(layer != nullptr ? layer->name() : std::string());
        },
        [this](const VariableValue& value) {
            const auto* table = dynamic_cast<const LayerTable*>(database_->peek(database_->layerTableId()));
            ObjectId layer;
            return table != nullptr && table->getAt(value.text, layer) == ErrorStatus::eOk &&
                   database_->setCurrentLayerId(layer) == ErrorStatus::eOk;
        });
    const CoordinateSystems& cs = coordinates_;
    variables_.bind("UCSORG", [&cs] { return VariableValue::ofPoint3(cs.ucs().origin); });
    variables_.bind("UCSXDIR", [&cs] { return VariableValue::ofPoint3(Point3d() + cs.ucs().xAxis); });
    variables_.bind("UCSYDIR", [&cs] { return VariableValue::ofPoint3(Point3d() + cs.ucs().yAxis); });
    variables_.bind("WORLDUCS", [&cs] { return VariableValue::ofShort(cs.isWorldUcs() ? 1 : 0); });
    variables_.bind("UCSNAME", [this] {
        const auto* record = dynamic_cast<const UcsTableRecord*>(database_->peek(coordinates_.currentUcsId()));
        return VariableValue::ofText(record != nullptr && !record->isErased() ? record->name() : std::string());
    });
    // The view variables are given in user coordinates, as users read them.
    variables_.bind("VIEWCTR", [&cs] {
        const Point3d centre(cs.view().centre, 0.0);
        return VariableValue::ofPoint3(cs.convert(centre, CoordSpace::Display, CoordSpace::User));
    });
    variables_.bind("TARGET", [&cs] { return VariableValue::ofPoint3(cs.fromWorld(cs.view().target, CoordSpace::User)); });
    variables_.bind("VIEWDIR", [&cs] {
        return VariableValue::ofPoint3(cs.fromWorld(Point3d() + cs.view().direction, CoordSpace::User, true));
    });
    variables_.bind("VIEWSIZE", [&cs] { return VariableValue::ofReal(cs.view().height); });
    variables_.bind("VIEWTWIST", [&cs] { return VariableValue::ofReal(cs.view().twist); });
    variables_.bind("LENSLENGTH", [&cs] { return VariableValue::ofReal(cs.view().lensLength); });
    variables_.bind("FRONTZ", [&cs] { return VariableValue::ofReal(cs.view().frontClip); });
    variables_.bind("BACKZ", [&cs] { return VariableValue::ofReal(cs.view().backClip); });
    variables_.bind("VIEWMODE", [&cs] {
        const ViewSettings& v = cs.view();
        return VariableValue::ofShort(static_cast<short>((v.perspective ? 1 : 0) | (v.frontClipOn ? 2 : 0) |
                                                         (v.backClipOn ? 4 : 0) | (v.frontClipAtEye ? 0 : 16)));
    });
}

} // namespace host
