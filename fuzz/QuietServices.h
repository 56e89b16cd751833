#pragma once

#include "model/Services.h"

#include <string>
#include <string_view>
#include <utility>

/// Services for the fuzz targets: messages are dropped (only crashes, leaks
/// and sanitizer reports count) and a request to close the main window is
/// recorded, as after a fatal import message.
class CQuietServices : public IAppServices {
public:
    explicit CQuietServices(std::string installDir = ".") : m_installDir(std::move(installDir)) {}
    void ShowMessage(std::string_view, MessageIcon) override {}
    std::string GetInstallDir() const override { return m_installDir; }
    void CloseMainWindow() override { closed = true; }
    void ShowImportSummary(const CBatchSummary&) override {}

    bool closed = false;

private:
    std::string m_installDir;
};
