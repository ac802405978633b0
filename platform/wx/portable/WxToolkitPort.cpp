#include "platform/wx/WxToolkitPort.h"

#include <wx/window.h>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>

#include <mmsystem.h>
#endif

void WxToolkitPort::Prepare()
{
#ifdef __WXMSW__
    // Windows wakes a sleeping program on its timer's ticks, 15.6 ms apart unless a program asks
    // for finer ones: the game's pauses of a few milliseconds need ticks of one.
    timeBeginPeriod(1);
#endif
}

bool WxToolkitPort::WaitForToolkit(int /*ms*/)
{
    // wx offers no wait that handles nothing; the caller's yield and a short pause serve.
    return false;
}

bool WxToolkitPort::CrossingsStandForMoves()
{
    return false;
}

void WxToolkitPort::DrawOnEverySize(wxWindow& /*top*/) {}

bool WxToolkitPort::SetStockButtonLabel(wxWindow& /*button*/, const std::string& /*label*/)
{
    // The port labels stock buttons from the toolkit's own catalogue, in the game's language.
    return false;
}
