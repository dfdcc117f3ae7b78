// Small helpers shared by the tests: temporary folders and finding controls by name.
#pragma once

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

// A control of a window by objectName; fails the test when it is missing.
template <class T>
T* Control(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << "no control " << name;
    return child;
}
