#pragma once

#include <string>

#include "online/http_answer.h"
#include "online/http_transport.h"

// Reads one whole answer (after any interim 1xx answers) with its body: by length, chunked, or up
// to the end of the connection. `pending` holds bytes received but not yet used, before and
// after the call. Throws AppError: "Connection Closed Gracefully." when the server closes
// before the answer is complete, or for an answer that cannot be read.
HttpAnswer ReadAnswer(HttpConnection& connection, std::string& pending);
