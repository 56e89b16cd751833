#pragma once

#include <QString>

#include <atomic>
#include <memory>

class QProgressDialog;
class QWidget;

/// The dialog shown while a worker thread talks to a mail server: modal,
/// up after 300 ms, with a busy bar. Its Cancel button, closing it and
/// Escape all set cancelled, which the worker reads between its steps.
std::unique_ptr<QProgressDialog> WorkerProgress(QWidget& owner, const QString& title, const QString& label,
                                                std::shared_ptr<std::atomic<bool>> cancelled);
