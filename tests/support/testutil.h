// Small helpers shared by the tests: temporary folders and finding controls by name.
#pragma once

#include <QFile>
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

// Writes bytes into a file of a temporary folder and returns its path.
inline QString WriteTestFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
    f.write(bytes);
    return path;
}

// The bytes of a file, or "<missing>" when it cannot be read.
inline QByteArray ReadTestFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
