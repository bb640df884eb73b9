// The SAORI status codes and their reason phrases.
#include "message/response_composer.h"

WideString StatusText(std::int32_t status) {
  switch (status) {
    case 200: return u"OK";
    case 204: return u"No Content";
    case 210: return u"Break";
    case 300: return u"Communicate";
    case 311: return u"Not Enough";
    case 312: return u"Advice";
    case 400: return u"Bad Request";
    case 401: return u"Unauthorized";
    case 403: return u"Forbidden";
    case 404: return u"Not Found";
    case 405: return u"Method Not Allowed";
    case 406: return u"Not Acceptable";
    case 408: return u"Request Timeout";
    case 409: return u"Conflict";
    case 420: return u"Refuse";
    case 500: return u"Internal Server Error";
    case 501: return u"Not Implemented";
    case 503: return u"Service Unavailable";
    case 510: return u"Not Local IP";
    case 511: return u"In Black List";
    case 512: return u"Invisible";
    default: return u"Unknown Error";
  }
}
