#pragma once

#include <QString>
#include <exception>
#include <string>

// Failures that travel up to the component that reports them in French.
// The message is the text shown to the user.
class ETolvane : public std::exception {
public:
    explicit ETolvane(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A text that should hold a number does not.
class EConvertError : public ETolvane {
public:
    using ETolvane::ETolvane;
};

// A count or an index outside what the data allows.
class ERangeError : public ETolvane {
public:
    using ETolvane::ETolvane;
};

// A file could not be opened, read or written.
class EInOutError : public ETolvane {
public:
    using ETolvane::ETolvane;
};
