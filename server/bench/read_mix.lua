-- wrk script: the readers of a busy table. Each request is, at random, the top page, a page of
-- one of the three tabs, or the lookup of a name that has results ("p0" to "p<names-1>").
-- Usage: wrk ... -s read_mix.lua URL -- NAMES PAGES
local names, pages = 200000, 2000

function init(args)
  names = tonumber(args[1]) or names
  pages = tonumber(args[2]) or pages
  math.randomseed(os.time() + math.floor(os.clock() * 1e6))
end

function request()
  local base = "/cgi/version.pl?prg=Vontra&show&type="
  local pick = math.random(4)
  if pick == 1 then
    return wrk.format("GET", base .. "0")
  elseif pick == 2 then
    return wrk.format("GET", base .. math.random(0, 2) .. "&page=" .. math.random(0, pages - 1))
  end
  return wrk.format("GET", base .. math.random(0, 2) .. "&name=p" .. math.random(0, names - 1))
end
