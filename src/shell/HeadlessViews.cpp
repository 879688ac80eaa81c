#include "shell/HeadlessViews.h"

namespace areamaker {

MessageAnswer HeadlessViews::show(const MessageRequest &request)
{
    switch (request.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

} // namespace areamaker
