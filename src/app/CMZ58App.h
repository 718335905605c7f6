#pragma once

#include "AppContext.h"
#include "MessageBoxPrompter.h"
#include "QtFileChooser.h"

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>

namespace mz58 {

class CMZ58Doc;
class CMainFrame;
class SimulatorProcess;
class SingleInstance;

// The application object: start-up in order (single instance, configuration, maintenance
// mode, default printer, document and main window) and what lives for the whole run.
class CMZ58App : public QObject {
    Q_OBJECT
public:
    struct Options {
        // The command-line arguments after the program name.
        QStringList arguments;
        // Where default images live; empty: the program's folder or the user's data folder.
        std::filesystem::path imageDir;
        // The single-instance name; empty: the executable's base name and the user.
        QString instanceName;
        // Extra arguments for the simulated radio (tests make it fast).
        QStringList simulatorArguments;
    };

    explicit CMZ58App(Options options, QObject* parent = nullptr);
    ~CMZ58App() override;

    // Runs the start-up; false when the program must end without a window (a second start,
    // which has asked the first to come to the front).
    [[nodiscard]] bool InitInstance();

    [[nodiscard]] CMainFrame* mainFrame() const { return m_frame.get(); }
    [[nodiscard]] CMZ58Doc* document() const { return m_doc.get(); }
    [[nodiscard]] AppContext& context() { return m_context; }
    [[nodiscard]] SingleInstance* singleInstance() const { return m_instance; }

    // The folder of the default images: the executable's folder when it holds one or can be
    // written, else the user's data folder (created on demand).
    static std::filesystem::path defaultImageDirectory();

private:
    bool startSimulator();

    Options m_options;
    AppContext m_context;
    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    SingleInstance* m_instance = nullptr;
    std::unique_ptr<SimulatorProcess> m_simulator;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace mz58
