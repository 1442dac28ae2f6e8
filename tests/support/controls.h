// Reaches a window's controls the way a user's tools see them: by the design
// name each control carries as its object name.
#pragma once

#include <QLabel>
#include <QObject>
#include <QString>

#include <stdexcept>

// The control of that name and kind inside the window; a test that asks for
// one the window lacks fails there, with the name.
template <class T> T* control(const QObject* window, const QString& name) {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (!found) {
        throw std::logic_error("no control " + name.toStdString() + " of the kind asked for");
    }
    return found;
}

template <class T> T* control(const QObject& window, const QString& name) {
    return control<T>(&window, name);
}

// The result window's value label of reading row i (0 to 13).
inline QLabel* lblResult(const QObject* window, int i) {
    return control<QLabel>(window, QStringLiteral("lblResult_%1").arg(i));
}
inline QLabel* lblResult(const QObject& window, int i) {
    return lblResult(&window, i);
}
