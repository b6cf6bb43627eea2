#include "shell/app/MainFrameShell.h"

namespace {

MainFrameFactory& InstalledFactory() {
    static MainFrameFactory factory;
    return factory;
}

}  // namespace

MainFrameFactory SetMainFrameFactory(MainFrameFactory factory) {
    MainFrameFactory previous = std::move(InstalledFactory());
    InstalledFactory() = std::move(factory);
    return previous;
}

MainFrameShell* CreateMainFrameObject() {
    const MainFrameFactory& factory = InstalledFactory();
    return factory ? factory() : nullptr;
}
