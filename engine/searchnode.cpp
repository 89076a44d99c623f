#include "engine/searchnode.h"

#include "engine/freelist.h"

void* CSearchNode::operator new(std::size_t) { return CFreeList<sizeof(CSearchNode)>::Take(); }

void CSearchNode::operator delete(void* p) noexcept { CFreeList<sizeof(CSearchNode)>::Give(p); }
