#include "app/CSignEditorApp.h"

#include <QKeyEvent>

#include "app/CMainDialog.h"

namespace velnar::app {

CSignEditorApp::CSignEditorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // Sees every key before the widget that has the focus.
    installEventFilter(this);
}

int CSignEditorApp::Run(CMainDialog& window)
{
    SetMainWindow(&window);
    window.exec();
    return 0;
}

bool CSignEditorApp::OnCmdMsg(int command)
{
    if (command != kHelpCommand)
        return false;
    OnHelp();
    return true;
}

void CSignEditorApp::OnHelp()
{
    if (m_mainWnd)
        m_mainWnd->HelpDialog().DoModal();
}

// F1 counts in the main window and on its pages only: the help window
// itself, the about box and the notices keep the key.
bool CSignEditorApp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_mainWnd &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == m_mainWnd)
            return OnCmdMsg(kHelpCommand);
    }
    return QApplication::eventFilter(watched, event);
}

}  // namespace velnar::app
