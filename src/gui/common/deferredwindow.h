// A secondary window that builds its controls when they are first needed: just before it is first
// shown, or when a caller reaches for them. A window the user never opens then costs nothing at start-up
// but its own object and the state it must hold from the start.
#pragma once

#include "gui/common/screenplacement.h"

#include <QWidget>
#include <utility>

class DeferredWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeferredWindow(QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {}

    // Builds the controls unless they are built already, including the parts a window builds only when
    // they are first shown (the level editor's pages): a caller that reaches for a control finds it.
    void ensureControls()
    {
        ensureShownControls();
        buildRemainingControls();
    }
    bool controlsBuilt() const { return mBuilt; }

    void setVisible(bool visible) override
    {
        if (visible)
            ensureShownControls();
        // A window larger than the screen opens smaller, whole on it (a 1024 x 768 screen).
        if (visible && !std::exchange(mFitted, true) && !isVisible())
            KeepWindowOnScreen(this);
        QWidget::setVisible(visible);
    }

protected:
    // Creates, lays out and connects the controls and brings them in line with the model. Runs once.
    virtual void buildControls() = 0;
    // Builds what buildControls left for later (nothing here).
    virtual void buildRemainingControls() {}
    // Builds what is shown at once: buildControls, unless it ran already.
    void ensureShownControls()
    {
        if (mBuilt)
            return;
        mBuilt = true;
        buildControls();
    }

private:
    bool mBuilt = false;
    bool mFitted = false;
};
