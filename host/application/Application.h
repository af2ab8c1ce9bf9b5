#pragma once
// The host application: the current drawing with its system variables, coordinate systems, user input,
// command line, and the dynamic linker that loads modules.

#include "host/application/CommandLine.h"
#include "host/application/CoordinateSystems.h"
#include "host/application/ModuleLoader.h"
#include "host/application/SystemVariables.h"
#include "host/application/UserInput.h"
#include "host/database/Database.h"

#include <memory>

namespace host {

// The view of a new drawing: 100 units high, as wide as the drawing window's shape.
inline constexpr double kDefaultViewHeight = 100.0;

class Application {
public:
    static Application& instance();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The current drawing.
    Database& workingDatabase() { return *database_; }
    // Starts a fresh drawing: new database, variables at their defaults, world coordinates, the default
    // view, no input source, an empty command line. Loaded modules stay loaded.
    void newDrawing();

    SystemVariables& variables() { return variables_; }
    CoordinateSystems& coordinates() { return coordinates_; }
    UserInput& input() { return input_; }
    CommandLine& commandLine() { return commandLine_; }
    ModuleLoader& dynamicLinker() { return linker_; }

    int getVariable(const std::string& name, ResultBuffer*& value) const { return variables_.getVariable(name, value); }
    int setVariable(const std::string& name, const ResultBuffer* value) { return variables_.setVariable(name, value); }

private:
    Application();
    void bindVariables();
    void setDefaultView();

    std::unique_ptr<Database> database_;
    const Database* currentDatabase_ = nullptr; // what user input checks picks against
    SystemVariables variables_;
    CoordinateSystems coordinates_;
    CommandLine commandLine_;
    UserInput input_;
    ModuleLoader linker_;
};

inline Application& application()
{
    return Application::instance();
}

// The host's dynamic-linker service, as modules fetch it.
inline ModuleLoader& dynamicLinker()
{
    return Application::instance().dynamicLinker();
}

} // namespace host
