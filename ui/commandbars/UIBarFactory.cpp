#include "ui/commandbars/UIBarFactory.h"

namespace {

CUIBarFactory*& Registered() {
    static CUIBarFactory* factory = nullptr;
    return factory;
}

}  // namespace

CUIBarFactory* GetBarFactory() { return Registered(); }

void SetBarFactory(CUIBarFactory* factory) { Registered() = factory; }
