// Resource identifiers of the filetypes dialogs (included by resource_ids.h).
#pragma once
