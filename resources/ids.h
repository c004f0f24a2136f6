#pragma once
// Resource and control identifiers, grouped per window and dialog.
