#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>
#include <QMetaObject>
#include <QObject>
#include <ostream>

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "{" << shown.kind.toStdString() << ", \"" << shown.title.toStdString() << "\", \""
         << shown.text.toStdString() << "\"}";
}

ScriptedInteraction::ScriptedInteraction() : scope_(*this) {}

ScriptedInteraction::~ScriptedInteraction() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were never asked for";
    EXPECT_TRUE(modals_.empty()) << modals_.size() << " scripted windows were never shown";
    EXPECT_TRUE(expectedErrors_.empty())
        << expectedErrors_.size() << " expected error reports never came";
}

ScriptedInteraction& ScriptedInteraction::answer(bool yes, const QString& question) {
    answers_.push_back({yes, question});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::expectError(const QString& text) {
    expectedErrors_.push_back(text);
    return *this;
}

std::vector<QString> ScriptedInteraction::texts() const {
    std::vector<QString> result;
    for (const Shown& s : shown_) {
        result.push_back(s.text);
    }
    return result;
}

bool ScriptedInteraction::nextAnswer(const QString& text) {
    if (answers_.empty()) {
        ADD_FAILURE() << "Unscripted question: " << text.toStdString();
        return false;
    }
    const Answer next = answers_.front();
    answers_.pop_front();
    if (!next.question.isEmpty() && next.question != text) {
        ADD_FAILURE() << "The answer meant for \"" << next.question.toStdString()
                      << "\" was taken by \"" << text.toStdString() << "\"";
    }
    return next.yes;
}

void ScriptedInteraction::showMessage(const QString& title, const QString& text) {
    shown_.push_back({QStringLiteral("message"), title, text});
}

void ScriptedInteraction::showSimpleMessage(const QString& text) {
    shown_.push_back({QStringLiteral("simple"), QString(), text});
}

bool ScriptedInteraction::confirm(const QString& text) {
    shown_.push_back({QStringLiteral("confirm"), QStringLiteral("Domanda:"), text});
    return nextAnswer(text);
}

bool ScriptedInteraction::confirmWarning(const QString& title, const QString& text) {
    shown_.push_back({QStringLiteral("warning"), title, text});
    return nextAnswer(text);
}

bool ScriptedInteraction::ask(const QString& text) {
    shown_.push_back({QStringLiteral("question"), QString(), text});
    return nextAnswer(text);
}

void ScriptedInteraction::reportError(const QString& text) {
    shown_.push_back({QStringLiteral("error"), QString(), text});
    if (expectedErrors_.empty()) {
        ADD_FAILURE() << "Unexpected error report: " << text.toStdString();
        return;
    }
    const QString expected = expectedErrors_.front();
    expectedErrors_.pop_front();
    if (!expected.isEmpty() && expected != text) {
        ADD_FAILURE() << "Expected the error report \"" << expected.toStdString() << "\", got \""
                      << text.toStdString() << "\"";
    }
}

int ScriptedInteraction::showModal(QObject& window) {
    shown_.push_back({QStringLiteral("modal"), QString(),
                      QString::fromLatin1(window.metaObject()->className())});
    if (modals_.empty()) {
        ADD_FAILURE() << "Unscripted modal window: " << window.metaObject()->className();
        return 0;
    }
    auto handler = std::move(modals_.front());
    modals_.pop_front();
    return handler(window);
}

void ScriptedInteraction::endProgram() {
    shown_.push_back({QStringLiteral("end"), QString(), QString()});
    ended_ = true;
}
