// The publisher's server-list page: the window caption, the default message
// text and the hyperlink all carry this one address.
#pragma once

#define PUBLISHER_ADDRESS "http://www.brosk.example/"
