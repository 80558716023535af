# packaging: filled in below
