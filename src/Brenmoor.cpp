// The engine library is assembled from its modules; this unit only gives the shared object a body.
