// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <typeinfo>

// Components recognise each other by exact class: a derived class does not count. The
// meta-object cannot tell, as a subclass without Q_OBJECT shares its base's.
template <typename T> T* ExactCast(QObject* Object)
{
    return Object && typeid(*Object) == typeid(T) ? static_cast<T*>(Object) : nullptr;
}

template <typename T> const T* ExactCast(const QObject* Object)
{
    return Object && typeid(*Object) == typeid(T) ? static_cast<const T*>(Object) : nullptr;
}
