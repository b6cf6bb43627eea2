#include "platform/CHandleMap.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<CHandleMapBase*>& ThreadMaps() {
    static thread_local std::vector<CHandleMapBase*> maps;
    return maps;
}

}  // namespace

CHandleMapBase::CHandleMapBase() { ThreadMaps().push_back(this); }

CHandleMapBase::~CHandleMapBase() {
    std::vector<CHandleMapBase*>& maps = ThreadMaps();
    maps.erase(std::remove(maps.begin(), maps.end(), this), maps.end());
}

void CHandleMapBase::DeleteAllTemporaries() {
    for (CHandleMapBase* map : ThreadMaps())
        map->DeleteTemporaries();
}
