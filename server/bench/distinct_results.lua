-- wrk script: every request sends a different valid result (each thread its own name, the score
-- counting up), so the duplicate window drops nothing. Start the service with --rate-limit 0.
local alphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789"
local counter = 0
name = "w"  -- set per thread by setup()

local function encode(payload)
  while #payload % 5 ~= 0 do payload = payload .. "0" end
  local out, acc, bits = {}, 0, 0
  for i = 1, #payload do
    acc = acc * 256 + payload:byte(i)
    bits = bits + 8
    while bits >= 5 do
      bits = bits - 5
      local v = math.floor(acc / 2 ^ bits) % 32
      out[#out + 1] = alphabet:sub(v + 1, v + 1)
    end
    acc = acc % 2 ^ bits
  end
  return table.concat(out)
end

local threads = 0
function setup(thread)
  threads = threads + 1
  thread:set("name", "w" .. threads .. "r" .. math.random(100000))
end

function request()
  counter = counter + 1
  local payload = "type=0|name=" .. name:sub(1, 10) .. "|score=" .. counter .. "|key=V|p=|add=_______|z="
  return wrk.format("GET", "/cgi/version.pl?hs&prg=Vontra&inf=" .. encode(payload))
end
