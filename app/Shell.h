#pragma once

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

namespace tarvo {

class TfmMainMenu;

// The program's windows, data module and report holders: each created once,
// in the fixed order, and destroyed at exit in the reverse order. Creating
// them contacts no data store.
class Shell
{
public:
    Shell();
    ~Shell();

    TfmMainMenu *mainWindow() const { return m_main; }
    // Every instance in creation order.
    QList<QObject *> instances() const;

private:
    std::vector<std::unique_ptr<QObject>> m_instances;
    TfmMainMenu *m_main = nullptr;
};

} // namespace tarvo
