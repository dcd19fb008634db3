#pragma once

#include "ui/Singleton.h"

#include <QWidget>

namespace tarvo {

// A report holder: a window that is never shown; it owns a report layout and
// the data sets that feed it.
class TfmCheck : public QWidget, public ui::Singleton<TfmCheck>
{
    Q_OBJECT
public:
    explicit TfmCheck(QWidget *parent = nullptr);
};

} // namespace tarvo
