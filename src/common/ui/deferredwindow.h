// A secondary window that builds its controls when they are first needed: just before it is first
// shown, or when a caller reaches for them. A window the user never opens then costs nothing at start-up
// but its own object and the state it must hold from the start.
#pragma once

#include <QWidget>

class DeferredWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeferredWindow(QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {}

    // Builds the controls unless they are built already.
    void ensureControls()
    {
        if (mBuilt)
            return;
        mBuilt = true;
        buildControls();
    }
    bool controlsBuilt() const { return mBuilt; }

    void setVisible(bool visible) override
    {
        if (visible)
            ensureControls();
        QWidget::setVisible(visible);
    }

protected:
    // Creates, lays out and connects the controls and brings them in line with the model. Runs once.
    virtual void buildControls() = 0;

private:
    bool mBuilt = false;
};
