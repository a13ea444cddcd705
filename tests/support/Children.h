#pragma once

#include <QAnyStringView>
#include <QObject>
#include <QTest>

// The child of `parent` with the given object name, as tests find controls. A missing child fails
// the running test instead of crashing it later on a null pointer.
template <typename T> T *child(const QObject *parent, QAnyStringView name)
{
    T *found = parent->findChild<T *>(name.toString());
    const QByteArray what = "no child " + name.toString().toUtf8();
    QTest::qVerify(found != nullptr, "child", what.constData(), __FILE__, __LINE__);
    return found;
}

template <typename T> T *child(const QObject &parent, QAnyStringView name)
{
    return child<T>(&parent, name);
}
