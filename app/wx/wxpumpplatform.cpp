#include "app/wx/wxpumpplatform.h"

#include <wx/evtloop.h>
#include <wx/utils.h>

void CWxPumpPlatform::DispatchOne() {
    if (!m_throttle.Look()) return;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (!loop || !loop->Pending()) return;
    // The user should see a normal cursor over whatever the event opens.
    const bool busy = wxIsBusy();
    if (busy) wxEndBusyCursor();
    loop->Dispatch();
    ++m_dispatched;
    if (busy) wxBeginBusyCursor();
}
