#pragma once

#include "model/DocumentObserver.h"

/// A view that counts what its document tells it.
class CCountingView : public IDocumentObserver {
public:
    void OnDocumentUpdate() override { ++updates; }
    void OnDocumentTitleChanged() override { ++titles; }
    int updates = 0;
    int titles = 0;
};
